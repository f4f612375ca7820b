// The scanner operations on small inputs: comments, literals, symbol runs, lines, the end.
#include <gtest/gtest.h>

#include "unitparser.h"

namespace qm {

TEST(Scanner, ReadIdentSkipsBlanksCommentsAndLiterals) {
    struct Case {
        const char* Text;
        const char* Ident;
        int Line;
    } cases[] = {
        {"{ brace } Foo ", "Foo", 1},
        {"(* a lone * ) does not close *) Foo ", "Foo", 1},
        {"{ (* inside } Foo ", "Foo", 1},
        {"(* { inside *) Foo ", "Foo", 1},
        {"// line\r\nFoo ", "Foo", 2},
        {"// line\nFoo ", "Foo", 2},
        {"'it''s' \t Foo ", "Foo", 1},
        {"{a\r\nb}\r\n'x\ry'(*\n*)Foo ", "Foo", 5},
        {"\r\n\r\n\tFoo_9z ", "Foo_9z", 3},
        {"\n\n\r\r\n\n Foo ", "Foo", 6},
        {"; Foo ", "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        TUnitParser p;
        p.OpenStream(c.Text);
        EXPECT_EQ(p.ReadIdent(), c.Ident);
        EXPECT_EQ(p.Line, c.Line);
    }
}

TEST(Scanner, SymbolRunsDropBlanksAndStopBeforeIdentifiers) {
    TUnitParser p;
    p.OpenStream("X := 12;\r\n\xE9" "abc (* c *) ) ; {x} Y ");
    EXPECT_EQ(p.ReadIdent(), "X");
    EXPECT_EQ(p.ReadSymbols(), ":=12;\xE9");  // a byte above 127 is a symbol character
    EXPECT_EQ(p.ReadIdent(), "abc");
    EXPECT_EQ(p.ReadSymbols(), ");");
    EXPECT_EQ(p.ReadSymbols(), "");
    p.NextToken();
    EXPECT_EQ(p.Token(), "Y");
}

TEST(Scanner, NextIdentTokenSkipsSymbolsAndUpperCasesAscii) {
    TUnitParser p;
    p.OpenStream("12, (x: 'Foo') tCustomForm_2\xE4 ");
    p.NextIdentToken();
    EXPECT_EQ(p.Token(), "x");
    p.NextIdentToken();
    EXPECT_EQ(p.Token(), "tCustomForm_2");
    EXPECT_EQ(p.TokenUpper(), "TCUSTOMFORM_2");
}

TEST(Scanner, SkipBalancedIgnoresBracketsInLiteralsAndComments) {
    TUnitParser p;
    p.OpenStream("a: string = ')'; { ) } (b (c)) ) Next ");
    p.SkipBalanced('(', ')');
    EXPECT_EQ(p.ReadIdent(), "Next");

    p.OpenStream("Integer ';' { ; } ; After ");
    p.SkipBalanced(';', ';');
    EXPECT_EQ(p.ReadIdent(), "After");
}

TEST(Scanner, ReadCharCountsLinesAndDropsLineFeeds) {
    TUnitParser p;
    p.OpenStream("a\r\nb\rc\nd");
    std::string read;
    for (int i = 0; i < 7; ++i) read += p.ReadChar();
    EXPECT_EQ(read, "a\rb\rc\rd");  // a lone LF reads as CR
    EXPECT_EQ(p.Line, 4);
}

TEST(Scanner, EndOfDataSignals) {
    TUnitParser p;
    p.OpenStream("a");
    EXPECT_EQ(p.PeekChar(), 'a');
    EXPECT_THROW(p.PeekNextChar(), EEndOfStream);
    EXPECT_EQ(p.ReadChar(), 'a');
    EXPECT_THROW(p.PeekChar(), EEndOfStream);
    EXPECT_THROW(p.ReadChar(), EReadError);

    p.OpenStream("x\r");  // the lookahead after a final CR
    p.ReadChar();
    EXPECT_THROW(p.ReadChar(), EEndOfStream);

    p.OpenStream("Ident");  // an identifier that runs into the end
    EXPECT_THROW(p.ReadIdent(), EEndOfStream);
}

TEST(Scanner, OperationsNeedAStream) {
    TUnitParser p;
    try {
        p.ReadIdent();
        FAIL() << "no error";
    } catch (const EUnitParserError& e) {
        EXPECT_EQ(e.Message(), "Internal Error: Stream not active");
        EXPECT_EQ(e.HelpContext(), 21);
    }
    EXPECT_THROW(p.PeekChar(), EUnitParserError);
    EXPECT_THROW(p.ReadSymbols(), EUnitParserError);
    EXPECT_THROW(p.SkipBalanced('(', ')'), EUnitParserError);
}

}  // namespace qm
