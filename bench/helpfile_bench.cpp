// Help file speed on the sample installation's DELPHI.HLP: a topic from a double-click to its
// text shown (open the file, find the topic, read it, render it, lay it out in the window), a
// member's topic and the contents with its picture, a search of the topics (and of a generated
// help file of 2 MB), a topic read and rendered with the file already open, and every topic of
// the file read.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QTextBrowser>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "helptopicwin.h"
#include "hlpfile.h"
#include "hlpwriter.h"

namespace {

const std::string SampleHelp = std::string(QM_SOURCE_DIR) + "/samples/delphi2/BIN/DELPHI.HLP";

// From a double-click to the topic shown, on a file not yet open: TopicId names the topic; the
// contents topic holds a table, a heading region and a picture.
void BM_ShowTopicInNewWindow(benchmark::State& State, const char* TopicId) {
    for (auto _ : State) {
        qm::THelpTopicWindow window;
        if (!window.ShowTopic(SampleHelp, TopicId)) State.SkipWithError("no topic");
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.findChild<QTextBrowser*>("TopicBrowser")->document()->pageCount());
    }
}
BENCHMARK_CAPTURE(BM_ShowTopicInNewWindow, member, "TMenuItem_Click")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShowTopicInNewWindow, contents_with_picture, "Contents")->Unit(benchmark::kMillisecond);

// The first search of a file reads every topic's text; the ones after it only look.
void BM_SearchTopics(benchmark::State& State) {
    for (auto _ : State) {
        qm::THelpTopicWindow window;
        window.ShowTopic(SampleHelp, "TApplication");
        window.Search("tmenuitem click");
        if (State.range(0) == 1) window.Search("tcontrol caption");
        benchmark::DoNotOptimize(window.findChild<QListWidget*>("TopicList")->count());
    }
}
BENCHMARK(BM_SearchTopics)->Arg(0)->Arg(1)->ArgNames({"again"})->Unit(benchmark::kMillisecond);

// A help file of about 2 MB, packed with the newer phrases as compilers of the time wrote large
// files: topics of a few paragraphs of words from a small vocabulary, as a class library's are.
const std::string& LargeHelp() {
    static const std::string path = [] {
        static const char* words[] = {"property", "method", "returns", "the", "control", "of", "a", "form",
                                      "when", "caption", "changes", "window", "handle", "value", "default",
                                      "event", "called", "parent", "owner", "component", "is", "set", "to"};
        std::mt19937 random(11);
        std::vector<qm::THlpSourceTopic> topics;
        for (int i = 0; i < 7200; ++i) {
            qm::THlpSourceTopic t;
            t.ContextId = "Large_" + std::to_string(i);
            t.Topic.Title = "TLarge" + std::to_string(i % 700) + ".Member" + std::to_string(i);
            for (int p = 0; p < 4; ++p) {
                std::string text;
                for (int w = 0; w < 24; ++w) text += std::string(words[random() % std::size(words)]) + " ";
                t.Topic.Paragraphs.push_back({{qm::THlpRun{text + std::to_string(random() % 100000)}}});
            }
            topics.push_back(std::move(t));
        }
        qm::THlpWriteOptions options;
        options.Phrases = qm::THlpPhrases::TScheme::Hall, options.Minor = 33;
        const std::string image = qm::BuildHlp(topics, options);
        const std::string file = (std::filesystem::temp_directory_path() / "qm_helpfile_bench_large.hlp").string();
        std::ofstream(file, std::ios::binary).write(image.data(), std::streamsize(image.size()));
        return file;
    }();
    return path;
}

// The first search of a 2 MB file, from the words typed to the titles listed.
void BM_SearchLargeFile(benchmark::State& State) {
    const std::string& file = LargeHelp();
    for (auto _ : State) {
        qm::THelpTopicWindow window;
        window.ShowContents(file);
        window.Search("caption handle 4242");
        benchmark::DoNotOptimize(window.findChild<QListWidget*>("TopicList")->count());
    }
    State.counters["bytes"] = double(std::filesystem::file_size(file));
}
BENCHMARK(BM_SearchLargeFile)->Unit(benchmark::kMillisecond);

void BM_OpenFileAndRenderTopic(benchmark::State& State) {
    for (auto _ : State) {
        qm::THlpFile help(SampleHelp);
        QString html = qm::TopicHtml(help.Topic(size_t(help.FindTopic("TMenuItem_Click"))));
        benchmark::DoNotOptimize(html.size());
    }
}
BENCHMARK(BM_OpenFileAndRenderTopic)->Unit(benchmark::kMillisecond);

void BM_RenderTopicOfOpenFile(benchmark::State& State) {
    qm::THlpFile help(SampleHelp);
    size_t topic = size_t(help.FindTopic("TApplication"));
    for (auto _ : State) benchmark::DoNotOptimize(qm::TopicHtml(help.Topic(topic)).size());
}
BENCHMARK(BM_RenderTopicOfOpenFile)->Unit(benchmark::kMicrosecond);

void BM_ReadAllTopics(benchmark::State& State) {
    qm::THlpFile help(SampleHelp);
    size_t paragraphs = 0;
    for (auto _ : State) {
        for (size_t i = 0; i < help.TopicCount(); ++i) paragraphs += help.Topic(i).Paragraphs.size();
    }
    State.counters["topics"] = double(help.TopicCount());
    // Topic blocks expanded per reading of every topic: at best each block once, at first only.
    State.counters["blocks/pass"] = double(help.BlocksRead()) / double(State.iterations());
    State.counters["topics/s"] = benchmark::Counter(double(help.TopicCount()) * double(State.iterations()),
                                                    benchmark::Counter::kIsRate);
    benchmark::DoNotOptimize(paragraphs);
}
BENCHMARK(BM_ReadAllTopics)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(std::filesystem::temp_directory_path() / "qm_helpfile_bench_large.hlp");
    return 0;
}
