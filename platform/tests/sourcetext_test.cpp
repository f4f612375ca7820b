// How a source file's bytes become the text shown: Windows-1252, or UTF-8 where the file says so.
#include <gtest/gtest.h>

#include "sourcetext.h"

namespace qm {

TEST(SourceEncoding, Utf8WhereTheFileSaysSoElseWindows1252) {
    const struct {
        const char* What;
        std::string Bytes;
        QString Shown;
    } cases[] = {
        {"no mark: Windows-1252", "caf\xC3\xA9 \x92\r\nx", QString::fromUtf8("caf\xC3\x83\xC2\xA9 \xE2\x80\x99\nx")},
        {"a byte order mark", "\xEF\xBB\xBF" "caf\xC3\xA9\r\nx", QString::fromUtf8("caf\xC3\xA9\nx")},
        {"{$codepage utf8}", "{$CodePage UTF8}\rcaf\xC3\xA9", QString::fromUtf8("{$CodePage UTF8}\ncaf\xC3\xA9")},
        {"another code page", "{$codepage cp1252}caf\xE9", QString::fromUtf8("{$codepage cp1252}caf\xC3\xA9")},
    };
    for (const auto& c : cases) EXPECT_EQ(SourceTextWithLineFeeds(c.Bytes), c.Shown) << c.What;
}

}  // namespace qm
