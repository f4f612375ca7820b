#include "parsecmd.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <chrono>
#include <sstream>
#include <map>
#include <ostream>

#include "defineopts.h"
#include "eventlog.h"
#include "includecache.h"
#include "includetree.h"
#include "paths.h"
#include "recordtext.h"
#include "unitparser.h"

namespace qm {

namespace {

struct TOptions {
    std::vector<std::string> Files;
    bool Summary = false;
    bool Listed = false;  // --list was given
    TDialect Dialect = TDialect::Delphi2;
    TIncludeTree Includes;  // --include-tree folders
    bool HasIncludeTrees = false;
    TDefineOptions Defines;
};

struct TTotals {
    size_t Files = 0;
    size_t Bytes = 0;
    size_t Events = 0;
    size_t Parsed = 0;
    std::map<std::string, size_t> Failures;  // by message
    size_t ModernReads = 0;                  // failures that the modern dialect reads
};

// EFOpenError when the list is not a regular file that can be read.
void ReadList(const std::string& ListFile, std::vector<std::string>& Files) {
    std::istringstream in(ReadFileBytes(ListFile));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) Files.push_back(line);
    }
}

// Parses one file (read into Buffer) into Log; returns the failure message, empty on success. Parser errors
// are grouped by their description in the totals, so Grouped gets that. Modern is set when a
// default-dialect parse failed on a unit that the modern dialect reads: for a file parsed alone
// the modern reading tells; among many, what stopped the failed parse does, so that thousands of
// refused files are not each read twice.
std::string ParseOne(const std::string& File, bool Alone, TUnitParser& Parser, std::string& Buffer, size_t& Bytes,
                     std::string& Grouped, bool& Modern) {
    try {
        const std::string_view bytes = ReadSourceFile(File, Buffer);
        Bytes = bytes.size();
        Parser.ParseBytes(File, bytes);
        return {};
    } catch (const EUnitParserError& e) {
        Grouped = e.Reason();
        Modern = Parser.Dialect == TDialect::Delphi2 &&
                 (Alone ? ModernDialectReads(File, ReadSourceFile(File)) : Parser.StoppedAtModern);
        return e.Message();
    } catch (const Exception& e) {
        Grouped = e.Message();
        return e.Message();
    } catch (const std::exception& e) {
        Grouped = e.what();
        return e.what();
    }
}

// One file's outcome, made on a worker and told in the order of the files.
struct TParsed {
    std::string Text, Error, Grouped;
    size_t Bytes = 0, Events = 0;
    bool Modern = false;
};

// Parses every file (Parse: file, include reader -> TParsed) and hands each outcome to Tell in
// the order of Files. Files are independent of each other: with more than one, each processor
// parses files of its own, with one include cache for all, while this thread tells what is done.
template <typename TParse, typename TTell>
void EachInOrder(const std::vector<std::string>& Files, const TIncludeReader& Includes, TParse Parse, TTell Tell) {
    const size_t workers = std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), Files.size());
    const TIncludeReader cached = CachingIncludeReader(Includes);
    if (workers <= 1) {
        for (const std::string& file : Files) {
            TParsed parsed = Parse(file, cached);
            Tell(file, parsed);
        }
        return;
    }
    std::vector<std::optional<TParsed>> done(Files.size());
    std::atomic<size_t> next{0};
    std::mutex guard;
    std::condition_variable ready;
    size_t wanted = 0;  // the file this thread waits for: only its end wakes it
    std::exception_ptr failure;
    auto work = [&] {
        for (size_t i; (i = next++) < Files.size();) {
            std::optional<TParsed> parsed;
            try {
                parsed = Parse(Files[i], cached);
            } catch (...) {
                std::lock_guard lock(guard);
                if (!failure) failure = std::current_exception();
                next = Files.size();
            }
            std::lock_guard lock(guard);
            done[i] = std::move(parsed);
            if (i == wanted || failure) ready.notify_one();
        }
    };
    std::vector<std::thread> threads;
    for (size_t i = 0; i < workers; ++i) threads.emplace_back(work);
    struct TJoin {
        std::vector<std::thread>& Threads;
        std::atomic<size_t>& Next;
        size_t Size;
        ~TJoin() {
            Next = Size;
            for (std::thread& t : Threads) t.join();
        }
    } join{threads, next, Files.size()};
    for (size_t i = 0; i < Files.size(); ++i) {
        TParsed parsed;
        {
            std::unique_lock lock(guard);
            wanted = i;
            ready.wait(lock, [&] { return done[i].has_value() || failure; });
            if (!done[i]) std::rethrow_exception(failure);
            parsed = std::move(*done[i]);
            done[i].reset();
        }
        Tell(Files[i], parsed);
    }
}

void PrintSummary(const TTotals& Totals, double Seconds, std::ostream& Out) {
    Out << "files\t" << Totals.Files << "\nbytes\t" << Totals.Bytes << "\nevents\t" << Totals.Events
        << "\nseconds\t" << Seconds << "\nparsed\t" << Totals.Parsed << '\n';
    std::vector<std::pair<std::string, size_t>> failures(Totals.Failures.begin(), Totals.Failures.end());
    std::stable_sort(failures.begin(), failures.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    for (const auto& [message, count] : failures) Out << Record({"failed", std::to_string(count), message});
    if (Totals.ModernReads) Out << Record({"modern", std::to_string(Totals.ModernReads), ModernDialectHint});
}

}  // namespace

int RunParseCommand(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err) {
    TOptions opt;
    for (size_t i = 0; i < Args.size(); ++i) {
        if (const int taken = opt.Defines.Take(Args, i, "parse", Err)) {
            if (taken == 2) return 2;
        } else if (Args[i] == "--summary") {
            opt.Summary = true;
        } else if (Args[i] == "--modern") {
            opt.Dialect = TDialect::Modern;
        } else if (Args[i] == "--include-tree") {
            if (++i == Args.size()) {
                Err << "parse: --include-tree needs a folder\n";
                return 2;
            }
            opt.Includes.AddTree(Args[i]);
            opt.HasIncludeTrees = true;
        } else if (Args[i] == "--list") {
            if (++i == Args.size()) {
                Err << "parse: --list needs a file\n";
                return 2;
            }
            // A list that cannot be read is a failed file, not a wrong command line.
            try {
                ReadList(Args[i], opt.Files);
            } catch (const Exception& e) {
                Err << e.Message() << '\n';
                return 1;
            }
            opt.Listed = true;
        } else {
            opt.Files.push_back(Args[i]);
        }
    }
    if (opt.HasIncludeTrees && opt.Dialect != TDialect::Modern) {
        Err << "parse: --include-tree needs --modern\n";
        return 2;
    }
    if (opt.Defines.Given() && opt.Dialect != TDialect::Modern) {
        Err << "parse: --target and --define need --modern\n";
        return 2;
    }
    if (opt.Files.empty() && !opt.Listed) {
        Err << "usage: quillmap2-cli parse [--modern [--include-tree DIR]... [--target TARGET] [--define NAME]...] "
               "[--summary] [--list LISTFILE] FILE...\n";
        return 2;
    }
    const bool single = opt.Files.size() == 1 && !opt.Listed;

    TTotals totals;
    auto start = std::chrono::steady_clock::now();
    const std::shared_ptr<const TDefineSet> defines = opt.Defines.Set();
    TIncludeReader files = ReadIncludeFile;
    if (opt.HasIncludeTrees)
        files = [&](const std::string& Path, std::string& Found, std::string& Text) {
            return opt.Includes.Read(Path, Found, Text);
        };
    auto parse = [&](const std::string& File, const TIncludeReader& Includes) {
        TParsed result;
        TUnitParser parser;
        parser.Dialect = opt.Dialect;
        parser.Defines = defines;
        parser.IncludeReader = Includes;
        TEventLog log(parser, !opt.Summary);
        thread_local std::string buffer;  // one file's bytes, its storage kept for the next
        result.Error = ParseOne(File, single, parser, buffer, result.Bytes, result.Grouped, result.Modern);
        result.Events = log.Count;
        result.Text = std::move(log.Text);
        return result;
    };
    EachInOrder(opt.Files, files, parse, [&](const std::string& file, TParsed& parsed) {
        ++totals.Files;
        totals.Bytes += parsed.Bytes;
        totals.Events += parsed.Events;
        if (parsed.Error.empty()) ++totals.Parsed;
        else ++totals.Failures[parsed.Grouped];
        totals.ModernReads += parsed.Modern;
        if (opt.Summary) return;

        if (!single) Out << Record({"file", file});
        Out << parsed.Text;
        if (parsed.Error.empty()) return;
        if (single) {
            Err << parsed.Error << '\n';
            if (parsed.Modern) Err << ModernDialectHint << '\n';
        } else {
            Out << Record({"error", parsed.Error});
            if (parsed.Modern) Out << Record({"hint", ModernDialectHint});
        }
    });
    if (opt.Summary) {
        std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        PrintSummary(totals, seconds.count(), Out);
    }
    return totals.Parsed == totals.Files ? 0 : 1;
}

}  // namespace qm
