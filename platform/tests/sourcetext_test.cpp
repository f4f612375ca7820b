// How a source file's bytes become the text shown: Windows-1252, or UTF-8 where the file says so.
#include <gtest/gtest.h>

#include <QStringDecoder>

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
        {"every kind of line end", "a\rb\r\r\nc\n\nd\r", "a\nb\n\nc\n\nd\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(SourceTextWithLineFeeds(c.Bytes), c.Shown) << c.What;
}

// Names are decoded by a table; every byte as Qt's own Windows-1252 decoder has it.
TEST(SourceEncoding, EveryByteAsTheDecoderHasIt) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes += char(b);
    QStringDecoder decoder("Windows-1252");
    ASSERT_TRUE(decoder.isValid());
    EXPECT_EQ(SourceText(bytes), QString(decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())))));
}

}  // namespace qm
