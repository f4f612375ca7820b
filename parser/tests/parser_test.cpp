// The unit parser on small units: the events each construct produces, the syntax errors,
// and how a parse ends.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "eventlog.h"
#include "unitparser.h"

namespace qm {

namespace {

struct TResult {
    std::string Events;
    std::string Error;  // empty when the parse ended normally
};

TResult ParseEvents(const std::string& Text) {
    TUnitParser p;
    TEventLog log(p);
    TResult r;
    try {
        p.ParseText("test.pas", Text);
    } catch (const Exception& e) {
        r.Error = e.Message();
    }
    r.Events = log.Text;
    return r;
}

// Unit text around a type section, so that the line of "type" is 2 and the first class is on 3.
std::string InUnit(const std::string& Types) { return "unit U;\ntype\n" + Types + "\nimplementation\nend.\n"; }

}  // namespace

TEST(UnitParser, EventsOfEachConstruct) {
    struct Case {
        const char* Name;
        std::string Text;
        std::string Events;
    } cases[] = {
        {"uses lists, with IN and file names", "unit U;\ninterface\nuses Windows, sysUtils;\nimplementation\nuses A in 'a(.pas', B;\nend.\n",
         "uses\tWINDOWS\nuses\tSYSUTILS\nuses\tA\nuses\tIN\nuses\tB\n"},
        {"USES directly followed by ;", "unit U; uses; end.\n", ""},
        {"class reference and forward declaration", InUnit("TA = class;\nTAClass = class of TA;"), ""},
        {"heritage without body", InUnit("EFoo = class(Exception);"), "class\tEFoo\tException\t3\n"},
        {"no heritage, END at once", InUnit("TRoot = class end;"), "class\tTRoot\tTObject\t3\n"},
        {"no heritage, fields", InUnit("TRoot = class\n  A: Integer;\nend;"),
         "class\tTRoot\tTObject\t3\nfield\tA\t16\t4\n"},
        {"methods with directives and class methods",
         InUnit("TA = class(TB)\n"
                "  procedure Paint; virtual; abstract;\n"
                "  procedure WMSize(var M: TWMSize); message WM_SIZE;\n"
                "  class function Make(const S: string = ')'): TA; stdcall;\n"
                "  constructor Create(AOwner: TComponent); override;\n"
                "end;"),
         "class\tTA\tTB\t3\nmethod\tPaint\t16\t4\nmethod\tWMSize\t16\t5\nmethod\tMake\t16\t6\n"
         "method\tCreate\t16\t7\n"},
        {"field lists and visibility sections",
         InUnit("TA = class(TB)\nprivate\n  FA, FB,\n  FC: array[0..2] of Integer;\nprotected FD: TD;\npublic\n"
                "automated X: Integer;\npublished\n  Y: Integer;\nend;"),
         "class\tTA\tTB\t3\nfield\tFA\t128\t5\nfield\tFB\t128\t5\nfield\tFC\t128\t6\nfield\tFD\t64\t7\n"
         "field\tX\t256\t9\nfield\tY\t16\t11\n"},
        {"properties: array with default, specifiers, redeclarations",
         InUnit("TA = class(TB)\npublic\n"
                "  property Items[I: Integer; const S: string]: TItem read GetItem write SetItem; default;\n"
                "  property Tag: Longint read FTag write FTag default 0;\n"
                "  property Style: TStyles read FStyle write SetStyle default [fsBold];\n"
                "  property Left: Integer index 3 read FRect.Left stored IsStored nodefault;\n"
                "  property Caption;\n"
                "  property Color default clRed;\n"
                "  property\n    Top:\n    Integer read FTop;\n"
                "end;"),
         "class\tTA\tTB\t3\nproperty\tItems\t32\t5\nproperty\tTag\t32\t6\nproperty\tStyle\t32\t7\n"
         "property\tLeft\t32\t8\nproperty\tTop\t32\t13\n"},
        {"implementation headings",
         "unit U;\nimplementation\nconstructor TFoo.Create(AOwner: TComponent);\nbegin end;\n"
         "procedure Plain; forward;\nfunction tfoo.\n  GetItem(I: Integer): TItem;\nbegin end;\nend.\n",
         "implementation\tTFoo\tCreate\t3\nimplementation\ttfoo\tGetItem\t7\n"},
        {"classes anywhere, members in both branches of a conditional",
         "unit U;\nimplementation\nprocedure P;\ntype\n  TLocal = class(TObject)\n{$IFDEF X}\n  A: Integer;\n"
         "{$ELSE}\n  A: Word;\n{$ENDIF}\n  end;\nbegin end;\nend.\n",
         "class\tTLocal\tTObject\t5\nfield\tA\t16\t7\nfield\tA\t16\t9\n"},
        {"end of file inside a class body", "unit U;\ntype TA = class(TB)\n  F: Integer;\n  procedure P;",
         "class\tTA\tTB\t2\nfield\tF\t16\t3\nmethod\tP\t16\t4\n"},
        {"line comment that runs to the end of the file",
         "unit U;\ntype TA = class(TB) end;\nend.\n// the last line", "class\tTA\tTB\t2\n"},
        {"a class heading on the line after its name", InUnit("TA =\n  class(TB) end;"), "class\tTA\tTB\t4\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TResult r = ParseEvents(c.Text);
        EXPECT_EQ(r.Error, "");
        EXPECT_EQ(r.Events, c.Events);
    }
}

TEST(UnitParser, SyntaxErrorsKeepTheEventsFiredBeforeThem) {
    struct Case {
        std::string Body;
        std::string Reason;
        int Line;
        std::string Events;
    } cases[] = {
        {"TA = class(TB)\n  procedure Paint Now;\nend;", "Unable to find ; in method definition heading", 4,
         "method\tPaint\t16\t4\n"},
        {"TA = class(TB)\n  procedure Paint(X: Integer) virtual;\nend;",
         "Unable to find ; following method definition heading", 4, "method\tPaint\t16\t4\n"},
        {"TA = class(TB)\n  F = 3;\nend;", "Unable to find : in field definition", 5, "field\tF\t16\t4\n"},
        {"TA = class(TB)\n  property P = 3;\nend;", "Unable to find : in property interface", 5, ""},
        {"TA = class(TB)\n  property P: Integer;\nend;", "Unable to find identifier", 4, "property\tP\t16\t4\n"},
        {"TA = class(TB, IUnknown)\nend;", "Class heritage missing )", 3, ""},
        {"TA = class(TB\nend;", "Class heritage missing )", 4, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Body);
        TUnitParser p;
        TEventLog log(p);
        try {
            p.ParseText("test.pas", "library Lib1;\nunit Other;\n" + c.Body + "\nend.\n");
            ADD_FAILURE() << "no error";
        } catch (const EUnitParserError& e) {
            EXPECT_EQ(e.Message(), "Internal Error: " + c.Reason + " - Line " + std::to_string(c.Line) + ", Lib1");
            EXPECT_EQ(e.Reason(), c.Reason);
            EXPECT_EQ(e.HelpContext(), 20);
        }
        std::string classLine = c.Reason == "Class heritage missing )" ? "" : "class\tTA\tTB\t3\n";
        EXPECT_EQ(log.Text, classLine + c.Events);
        EXPECT_EQ(p.Stream, nullptr);
    }
}

// A name longer than 1024 characters refuses the unit wherever it stands, even where the parser
// announces nothing; one of exactly 1024 is read.
TEST(UnitParser, OverlongIdentifiersAreSyntaxErrors) {
    const std::string longest(1024, 'N'), tooLong = "T" + std::string(200'000, 'x');
    EXPECT_EQ(ParseEvents(InUnit("TA = class(TB)\n  " + longest + ": Integer;\nend;")).Events,
              "class\tTA\tTB\t3\nfield\t" + longest + "\t16\t4\n");
    struct TCase {
        const char* Where;
        std::string Text;
        int Line;
    };
    for (const TCase& c : {TCase{"class name", InUnit(tooLong + " = class(TObject) end;"), 3},
                           TCase{"field name", InUnit("TA = class(TB)\n  " + longest + "M: Integer;\nend;"), 4},
                           TCase{"in a routine's body", "unit U;\nimplementation\nbegin\n  " + tooLong + ";\nend.", 4},
                           TCase{"last in the file", "unit U;\n" + tooLong, 2}}) {
        SCOPED_TRACE(c.Where);
        TUnitParser p;
        try {
            p.ParseText("test.pas", c.Text);
            ADD_FAILURE() << "no error";
        } catch (const EUnitParserError& e) {
            EXPECT_EQ(e.Message(), "Internal Error: Identifier longer than 1024 characters - Line " + std::to_string(c.Line) + ", U");
            EXPECT_EQ(e.HelpContext(), ParserSyntaxError);
        }
    }
}

TEST(UnitParser, HowAParseEnds) {
    struct Case {
        const char* Name;
        std::string Text;
        std::string Error;
    } cases[] = {
        {"END . CR LF", "unit U;\nend.\r\n", ""},
        {"empty file", "", ""},
        {"open brace comment", "unit U;\n{ never closed\r\nend.", "Stream read error"},
        {"open (* comment", "unit U;\n(* never closed\r\nend.", "Stream read error"},
        {"open string literal", "unit U;\nconst S = 'never closed;\r\nend.", "Stream read error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ParseEvents(c.Text).Error, c.Error);
    }
}

TEST(UnitParser, LineEndStylesGiveTheSameEvents) {
    std::ifstream in(QM_TESTDATA_DIR "/parser/shapes.pas", std::ios::binary);
    std::stringstream buf;
    buf << in.rdbuf();
    std::string lf = buf.str();
    ASSERT_EQ(lf.find('\r'), std::string::npos);
    std::string crlf, cr;
    for (char c : lf) {
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    TResult expected = ParseEvents(lf);
    EXPECT_EQ(expected.Error, "");
    EXPECT_GT(expected.Events.size(), 200u);
    EXPECT_EQ(ParseEvents(crlf).Events, expected.Events);
    EXPECT_EQ(ParseEvents(cr).Events, expected.Events);
}

TEST(UnitParser, FieldsSurviveTheParseAndHandlerErrorsPassThrough) {
    TUnitParser p;
    p.ParseText("x.pas", "library Lib1;\nunit Other;\nend.\n");
    EXPECT_EQ(p.UnitName, "Lib1");
    EXPECT_EQ(p.FileName, "x.pas");
    EXPECT_EQ(p.Token(), "end");  // kept although the file's bytes are gone
    EXPECT_EQ(p.TokenUpper(), "END");

    // A handler's own silent abort is not mistaken for the end of the file.
    p.OnClass = {[](void*, TUnitParser&) { throw EAbort(); }, nullptr};
    EXPECT_THROW(p.ParseText("x.pas", "type TA = class(TB) end;\n"), EAbort);
    EXPECT_EQ(p.Stream, nullptr);
}

TEST(UnitParser, MissingFileIsAnOpenError) {
    TUnitParser p;
    EXPECT_THROW(p.Parse(QM_TESTDATA_DIR "/parser/no such unit.pas"), EFOpenError);
}

}  // namespace qm
