// Parser throughput: TUnitParser over a list of real units and over the generated library,
// from files (as loading does) and from memory, beside a bare identifier-counting scan of the
// same bytes for scale.
// The modern dialect over the same units, with their include files read from disk.
//   parser_bench --corpus=LISTFILE --library=DIR [Google Benchmark flags]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "paths.h"
#include "unitparser.h"

namespace {

struct TFileSet {
    std::vector<std::string> Paths;
    std::vector<std::string> Texts;
    size_t Bytes = 0;
};

TFileSet Corpus, Library, ModernCorpus;

size_t CountingParse(const std::string& Path, const std::string* Text,
                     qm::TDialect Dialect = qm::TDialect::Delphi2) {
    qm::TUnitParser p;
    p.Dialect = Dialect;
    size_t events = 0;
    qm::TUnitParser::TParserEvent count{[](void* n, qm::TUnitParser&) { ++*static_cast<size_t*>(n); },
                                        &events};
    p.OnUses = p.OnClass = p.OnMethod = p.OnProperty = p.OnField = p.OnImplementation = count;
    if (Text) p.ParseText(Path, *Text);
    else p.Parse(Path);
    return events;
}

// Keeps the files that parse without an error, so every byte counted is really scanned.
void Load(TFileSet& Set, std::vector<std::string> Paths, qm::TDialect Dialect = qm::TDialect::Delphi2) {
    size_t failed = 0;
    for (std::string& path : Paths) {
        try {
            CountingParse(path, nullptr, Dialect);
        } catch (const qm::Exception&) {
            ++failed;
            continue;
        }
        Set.Texts.push_back(qm::ReadFileBytes(path));
        Set.Bytes += Set.Texts.back().size();
        Set.Paths.push_back(std::move(path));
    }
    std::cerr << Set.Paths.size() << " files, " << Set.Bytes << " bytes (" << failed
              << " files that fail to parse left out)\n";
}

void ParseFiles(benchmark::State& State, const TFileSet* Set) {
    size_t events = 0;
    for (auto _ : State)
        for (const std::string& path : Set->Paths) events += CountingParse(path, nullptr);
    benchmark::DoNotOptimize(events);
    State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(Set->Bytes));
}

void ParseMemory(benchmark::State& State, const TFileSet* Set) {
    const qm::TDialect dialect = Set == &ModernCorpus ? qm::TDialect::Modern : qm::TDialect::Delphi2;
    size_t events = 0;
    for (auto _ : State)
        for (size_t i = 0; i < Set->Paths.size(); ++i) events += CountingParse(Set->Paths[i], &Set->Texts[i], dialect);
    benchmark::DoNotOptimize(events);
    State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(Set->Bytes));
}

// The floor: count identifiers and nothing else.
void IdentifierScan(benchmark::State& State, const TFileSet* Set) {
    auto isStart = [](unsigned char c) { return unsigned((c | 32) - 'a') < 26u || c == '_'; };
    auto isCont = [&](unsigned char c) { return isStart(c) || unsigned(c - '0') < 10u; };
    for (auto _ : State) {
        size_t idents = 0;
        for (const std::string& text : Set->Texts) {
            const unsigned char* p = reinterpret_cast<const unsigned char*>(text.data());
            const unsigned char* end = p + text.size();
            while (p < end) {
                if (isStart(*p)) {
                    ++idents;
                    while (++p < end && isCont(*p)) {
                    }
                } else {
                    ++p;
                }
            }
        }
        benchmark::DoNotOptimize(idents);
    }
    State.SetBytesProcessed(int64_t(State.iterations()) * int64_t(Set->Bytes));
}

std::vector<std::string> ReadList(const std::string& ListFile) {
    std::vector<std::string> paths;
    std::ifstream in(ListFile);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) paths.push_back(line);
    return paths;
}

std::vector<std::string> UnitsIn(const std::string& Dir) {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(Dir))
        if (entry.path().extension() == ".pas") paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

void Register(const std::string& Name, const TFileSet* Set) {
    if (Set->Paths.empty()) return;
    benchmark::RegisterBenchmark(("ParseFiles/" + Name).c_str(), ParseFiles, Set)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("ParseMemory/" + Name).c_str(), ParseMemory, Set)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("IdentifierScan/" + Name).c_str(), IdentifierScan, Set)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--corpus=", 0) == 0) {
            Load(Corpus, ReadList(arg.substr(9)));
            Load(ModernCorpus, ReadList(arg.substr(9)), qm::TDialect::Modern);
        }
        else if (arg.rfind("--library=", 0) == 0) Load(Library, UnitsIn(arg.substr(10)));
        else {
            std::cerr << "unknown argument " << arg << '\n';
            return 2;
        }
    }
    Register("corpus", &Corpus);
    Register("library", &Library);
    if (!ModernCorpus.Paths.empty())
        benchmark::RegisterBenchmark("ParseMemoryModern/corpus", ParseMemory, &ModernCorpus)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
