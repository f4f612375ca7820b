#include <gtest/gtest.h>

#include "asciitext.h"
#include "errors.h"
#include "format.h"
#include "recordtext.h"

namespace qm {

TEST(Format, FillsPlaceholdersInOrder) {
    EXPECT_EQ(Format("Internal Error: %s - Line %d, %s", {"Unable to find identifier", 12, "Forms"}),
              "Internal Error: Unable to find identifier - Line 12, Forms");
    EXPECT_EQ(Format("100%% of %s", {"units"}), "100% of units");
    // A missing argument leaves its placeholder, an unknown one is kept as written.
    EXPECT_EQ(Format("%s and %s %x", {"one"}), "one and %s %x");
    EXPECT_EQ(Format("trailing %", {}), "trailing %");
}

// The page number format is printf-like with one integer: its flags, width and precision work.
TEST(Format, KnowsThePrintfIntegerConversions) {
    struct TCase {
        const char* Fmt;
        std::string Expected;
    };
    for (const TCase& c : {TCase{"Page %3d", "Page   7"}, {"Page %-4d|", "Page 7   |"}, {"%03d", "007"},
                           {"%+d", "+7"}, {"% d", " 7"}, {"%.3d", "007"}, {"%i", "7"}, {"%u", "7"},
                           {"%x", "7"}, {"%#o", "07"}, {"%5s|", "    7|"}, {"%-3s|", "7  |"},
                           {"%q", "%q"}, {"%3", "%3"}, {"100%%: %d", "100%: 7"}})
        EXPECT_EQ(Format(c.Fmt, {7}), c.Expected) << c.Fmt;
    EXPECT_EQ(Format("%X", {255}), "FF");
    EXPECT_EQ(Format("%-6s|%4s|%.2s", {"ab", "cd", "efgh"}), "ab    |  cd|ef");
    EXPECT_EQ(Format("%05d", {-42}), "-0042");
}

TEST(Format, ShortensQuotedTextByCharacters) {
    EXPECT_EQ(Shortened(std::string(200, 'a')), std::string(200, 'a'));
    EXPECT_EQ(Shortened(std::string(3 << 20, 'a')), std::string(200, 'a') + "...");
    EXPECT_EQ(Shortened("abcdef", 3), "abc...");
    // "\xC3\xA9" is one character: it is kept whole or left out whole.
    EXPECT_EQ(Shortened("ab\xC3\xA9" "cd", 3), "ab\xC3\xA9...");
    EXPECT_EQ(Shortened("ab\xC3\xA9", 3), "ab\xC3\xA9");
}

TEST(Errors, CarryMessageAndHelpContext) {
    EXPECT_STREQ(EReadError().what(), "Stream read error");
    EXPECT_EQ(EFOpenError("a.pas").Message(), "Cannot open file a.pas");
    Exception e("boom", 9);
    EXPECT_EQ(e.HelpContext(), 9);
    EXPECT_EQ(EAbort().HelpContext(), 0);
}

TEST(AsciiText, FoldsOnlyAsciiLetters) {
    EXPECT_TRUE(SameText("tForm_1", "TFORM_1"));
    EXPECT_FALSE(SameText("\xE4", "\xC4"));  // bytes above 127 are left alone
    EXPECT_EQ(CompareText("caption", "CAPTIONS"), -1);
    EXPECT_EQ(CompareText("Z", "_"), -1);  // "_" sorts after the letters once they are upper case
    EXPECT_EQ(CompareText("\xE9", "a"), 1);  // unsigned bytes
    EXPECT_TRUE(StartsText("Caption", "capt"));
    EXPECT_FALSE(StartsText("Cap", "capt"));
    EXPECT_EQ(UpperCase("tApplication\xE4"), "TAPPLICATION\xE4");
}

// Every byte that could split a record or a field, and the escape character itself, is written
// as an escape; the rest, bytes above 127 too, as it is.
TEST(Record, EscapesControlCharactersInItsFields) {
    EXPECT_EQ(Record({"7", "new\nline.pas", "a\tb\rc"}), "7\tnew\\nline.pas\ta\\tb\\rc\n");
    EXPECT_EQ(Record({"C:\\VCL\\", std::string_view("\0\x1b\x7f\x1f", 4), " ~\x80\xe9"}),
              "C:\\\\VCL\\\\\t\\x00\\x1B\\x7F\\x1F\t ~\x80\xe9\n");
    EXPECT_EQ(Record({"", ""}), "\t\n");
    std::string text = "uses\tA\n";
    AppendRecord(text, {"uses", "B"});
    EXPECT_EQ(text, "uses\tA\nuses\tB\n");
}

}  // namespace qm
