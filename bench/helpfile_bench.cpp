// Help file speed on the sample installation's DELPHI.HLP: a topic from a double-click to its
// text shown (open the file, find the topic, read it, render it, lay it out in the window), a
// member's topic and the contents with its picture, a search of the topics, a topic read and
// rendered with the file already open, and every topic of the file read.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QTextBrowser>

#include <string>

#include "helptopicwin.h"
#include "hlpfile.h"

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
    return 0;
}
