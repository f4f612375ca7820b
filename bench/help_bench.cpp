// Help lookup speed: words looked up per second in a keyword index of 100,000 keywords, the index
// file warm in the page cache. Each lookup reads one block (two when the word opens a block).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "delphihelp.h"
#include "hdxwriter.h"

namespace {

class TNullViewer : public qm::THelpViewer {
public:
    void ShowContents(const std::string&) override {}
    bool JumpToTopic(const std::string&, const std::string&) override { return true; }
};

// Identifier-like keywords: a capitalised stem and a member name, as in a class library's index.
std::vector<qm::THdxKeyword> MakeKeywords(size_t Count) {
    static const char* stems[] = {"Canvas", "Caption", "Control", "Form", "Button", "Handle",
                                  "Window", "Stream", "Brush", "Font", "Menu", "Item"};
    std::mt19937 random(42);
    std::vector<qm::THdxKeyword> list;
    for (size_t i = 0; i < Count; ++i) {
        std::string word = stems[random() % 12] + std::string("_") +
                           std::to_string(i * 2654435761u % 1000003);
        list.push_back({word, "TOPIC_" + word, word + " property", int(i % 2)});
    }
    return list;
}

void BM_Lookup(benchmark::State& State) {
    std::vector<qm::THdxKeyword> keywords = MakeKeywords(100000);
    qm::THdxLayout layout;
    layout.HelpFileNames = {"delphi.hlp", "vcl.hlp"};
    std::string path = (std::filesystem::temp_directory_path() / "qm_help_bench.hdx").string();
    std::string image = qm::BuildHdx(keywords, layout);
    std::ofstream(path, std::ios::binary).write(image.data(), std::streamsize(image.size()));

    TNullViewer viewer;
    qm::TDelphiHelp help("", viewer);
    help.SetIndexFile(path);
    help.SetHelpDir("/help/");
    help.LoadIndex();
    // Whole keywords and their first letters, in random order.
    std::mt19937 random(7);
    std::vector<std::string> words;
    for (int i = 0; i < 4096; ++i) {
        const std::string& k = keywords[random() % keywords.size()].Keyword;
        words.push_back(i % 4 == 0 ? k.substr(0, k.size() - 2) : k);
    }
    size_t next = 0, found = 0;
    for (auto _ : State) {
        help.Lookup(words[next++ % words.size()]);
        found += help.Shown();
    }
    State.SetItemsProcessed(int64_t(State.iterations()));
    State.counters["found"] = double(found) / double(State.iterations());
    State.counters["blocks"] = double(help.BlockKeys().size());
    State.counters["bytes"] = double(image.size());
    std::remove(path.c_str());
}
BENCHMARK(BM_Lookup)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
