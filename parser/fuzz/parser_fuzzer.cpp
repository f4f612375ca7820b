// libFuzzer target: arbitrary bytes as the contents of a unit file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "eventlog.h"
#include "unitparser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    qm::TUnitParser parser;
    qm::TEventLog log(parser);
    try {
        parser.ParseText("fuzz.pas", std::string(reinterpret_cast<const char*>(Data), Size));
    } catch (const qm::EUnitParserError& e) {
        if (e.HelpContext() != qm::ParserSyntaxError) std::abort();
    } catch (const qm::EReadError&) {
    }
    // Whatever happened, the stream is gone and every line reported lies within the file.
    if (parser.Stream || parser.Line < 1 || parser.ItemLine > parser.Line) std::abort();
    return 0;
}
