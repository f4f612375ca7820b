#include "parsecmd.h"

#include <algorithm>
#include <chrono>
#include <sstream>
#include <map>
#include <ostream>

#include "defineopts.h"
#include "eventlog.h"
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

// Parses one file into Log; returns the failure message, empty on success. Parser errors
// are grouped by their description in the totals, so Grouped gets that. Modern is set when a
// default-dialect parse failed on a unit that the modern dialect reads: for a file parsed alone
// the modern reading tells; among many, what stopped the failed parse does, so that thousands of
// refused files are not each read twice.
std::string ParseOne(const std::string& File, bool Alone, TUnitParser& Parser, size_t& Bytes, std::string& Grouped,
                     bool& Modern) {
    try {
        std::string text = ReadSourceFile(File);
        Bytes = text.size();
        Parser.ParseText(File, std::move(text));
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
    for (const std::string& file : opt.Files) {
        TUnitParser parser;
        parser.Dialect = opt.Dialect;
        parser.Defines = defines;
        if (opt.HasIncludeTrees)
            parser.IncludeReader = [&](const std::string& Path, std::string& Found, std::string& Text) {
                return opt.Includes.Read(Path, Found, Text);
            };
        TEventLog log(parser, !opt.Summary);
        size_t bytes = 0;
        std::string grouped;
        bool modern = false;
        std::string error = ParseOne(file, single, parser, bytes, grouped, modern);

        ++totals.Files;
        totals.Bytes += bytes;
        totals.Events += log.Count;
        if (error.empty()) ++totals.Parsed;
        else ++totals.Failures[grouped];
        totals.ModernReads += modern;
        if (opt.Summary) continue;

        if (!single) Out << Record({"file", file});
        Out << log.Text;
        if (error.empty()) continue;
        if (single) {
            Err << error << '\n';
            if (modern) Err << ModernDialectHint << '\n';
        } else {
            Out << Record({"error", error});
            if (modern) Out << Record({"hint", ModernDialectHint});
        }
    }
    if (opt.Summary) {
        std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        PrintSummary(totals, seconds.count(), Out);
    }
    return totals.Parsed == totals.Files ? 0 : 1;
}

}  // namespace qm
