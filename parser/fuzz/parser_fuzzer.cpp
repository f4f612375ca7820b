// libFuzzer target: arbitrary bytes as the contents of a unit file. The first byte's lowest bit
// chooses the dialect (1: modern); the rest is the unit, then, after each NUL byte, an include
// file named "a", "b", ... (so "{$I a}" includes the first), kept in memory.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "eventlog.h"
#include "unitparser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size == 0) return 0;
    const bool modern = Data[0] & 1;
    const std::string bytes(reinterpret_cast<const char*>(Data) + 1, Size - 1);

    std::string unit = bytes;
    std::map<std::string, std::string> files;
    if (modern) {
        size_t end = bytes.find('\0');
        unit = bytes.substr(0, end);
        for (char name = 'a'; end != std::string::npos && name <= 'z'; ++name) {
            const size_t next = bytes.find('\0', end + 1);
            files[std::string(1, name)] = bytes.substr(end + 1, next == std::string::npos ? next : next - end - 1);
            end = next;
        }
    }

    qm::TUnitParser parser;
    parser.Dialect = modern ? qm::TDialect::Modern : qm::TDialect::Delphi2;
    parser.IncludeReader = [&](const std::string& Path, std::string& Found, std::string& Text) {
        const auto it = files.find(Path);
        if (it == files.end()) return false;
        Found = Path;
        Text = it->second;
        return true;
    };
    // No file read has more lines than its line ends plus one.
    auto lineEnds = [](const std::string& Text) {
        return size_t(std::count(Text.begin(), Text.end(), '\n') + std::count(Text.begin(), Text.end(), '\r'));
    };
    size_t lines = lineEnds(unit) + 1;
    for (const auto& [name, text] : files) lines = std::max(lines, lineEnds(text) + 1);
    qm::TEventLog log(parser);
    try {
        parser.ParseText("fuzz.pas", unit);
    } catch (const qm::EUnitParserError& e) {
        if (e.HelpContext() != qm::ParserSyntaxError) std::abort();
    } catch (const qm::EReadError&) {
    }
    // Whatever happened, the stream is gone and every line reported lies within its file.
    if (parser.Stream || parser.Line < 1) std::abort();
    if (parser.ItemLine < 0 || size_t(parser.ItemLine) > lines || (!modern && parser.ItemLine > parser.Line)) std::abort();
    if (!modern && (!parser.ItemFile.empty() || !parser.Interfaces.empty() || parser.Strict)) std::abort();
    return 0;
}
