// The modern dialect on small units: the events of each construct, include files, overloads'
// parameter lists, and the hint for users of the default dialect.
#include "scratchdir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "eventlog.h"
#include "includecache.h"
#include "includetree.h"
#include "memoryfiles.h"
#include "unitheading.h"
#include "unitparser.h"

namespace qm {

namespace {

struct TResult {
    std::string Events;
    std::string Error;   // empty when the parse ended normally
    std::string Reason;  // EUnitParserError's description
};

// Parses Text as "dir/u.pas" in the modern dialect; include files come from Files.
TResult ParseModern(const std::string& Text, const TFiles& Files = {}) {
    TUnitParser p;
    p.Dialect = TDialect::Modern;
    p.IncludeReader = MemoryIncludes(Files);
    TEventLog log(p);
    TResult r;
    try {
        p.ParseText("dir/u.pas", Text);
    } catch (const EUnitParserError& e) {
        r.Error = e.Message();
        r.Reason = e.Reason();
    } catch (const Exception& e) {
        r.Error = e.Message();
    }
    r.Events = log.Text;
    EXPECT_EQ(p.Stream, nullptr);
    return r;
}

// A class TA(TB) around Body: the class is on line 3, the body starts on line 4.
std::string InClass(const std::string& Body) {
    return "unit U;\ntype\n  TA = class(TB)\n" + Body + "\n  end;\nimplementation\nend.\n";
}

const std::string ClassTA = "class\tTA\tTB\t3\t\t\n";

}  // namespace

TEST(ModernDialect, EventsOfEachConstruct) {
    struct Case {
        const char* Name;
        std::string Text;
        std::string Events;
    } cases[] = {
        {"directives with and without ; before them",
         InClass("    procedure A; overload; virtual; abstract;\n"
                 "    procedure B(X: Integer) reintroduce; overload;\n"
                 "    function C: Integer; inline; static; final; deprecated 'use D'; platform; experimental;\n"
                 "    procedure E; message WM_USER + 1;\n"
                 "    procedure F; dispid 201; cdecl; stdcall; safecall; noreturn;\n"
                 "    procedure G; virtual abstract;\n"
                 "    Static: Boolean;"),
         ClassTA + "method\tA\t16\t4\t\t\t()\nmethod\tB\t16\t5\t\t\t(INTEGER)\nmethod\tC\t16\t6\t\t\t()\n"
                   "method\tE\t16\t7\t\t\t()\nmethod\tF\t16\t8\t\t\t()\nmethod\tG\t16\t9\t\t\t()\n"
                   "field\tStatic\t16\t10\t\t\n"},
        {"heritage lists",
         "unit U;\ntype\n  TA = class(TB, IX, Sys.IY<T>);\n  TC = class(Base.TD);\n  TE = class(specialize TList<TFoo>)\n  end;\n"
         "  TF = class()\n  end;\n  TG = class(TList<TPair<A, B>>, IZ) end;\n",
         "class\tTA\tTB\t3\t\tIX,IY\nclass\tTC\tTD\t4\t\t\nclass\tTE\tTList\t5\t\t\nclass\tTF\tTObject\t7\t\t\n"
         "class\tTG\tTList\t9\t\tIZ\n"},
        {"strict visibility",
         InClass("  strict private\n    FA: Integer;\n  private\n    FB: Integer;\n  strict protected\n"
                 "    procedure P;\n  public\n    property Q: Integer read FB;"),
         ClassTA + "field\tFA\t128\t5\t\tstrict\nfield\tFB\t128\t7\t\t\nmethod\tP\t64\t9\t\tstrict\t()\n"
                   "property\tQ\t32\t11\t\t\n"},
        {"generic classes and methods under their bare names",
         "unit U;\ntype\n  generic TG<T> = class(TObject)\n    procedure M<U>(A: U);\n  end;\n"
         "  TH<T: class; U> = class(specialize TG<T>) end;\nimplementation\n"
         "procedure TG<T>.M<U>(A: U);\nbegin\n  if A < B then C := D > E;\nend;\nend.\n",
         "class\tTG\tTObject\t3\t\t\tqualified=TG<T>\nmethod\tM\t16\t4\t\t\t<>(U)\n"
         "class\tTH\tTG\t6\t\t\tqualified=TH<T,U>\nimplementation\tTG\tM\t8\t\t<>(U)\n"},
        {"sections: class var and var are fields, constants skipped, nested classes follow their holder",
         InClass("  public\n    class var Count: Integer;\n    var Name: string;\n"
                 "    const Max = 10; Names: array[0..1] of string = ('a', 'b');\n"
                 "    class const Min = 1;\n"
                 "    type\n      TInner = class(TBase)\n        X: Integer;\n      end;\n"
                 "      TRec = record A, B: Integer; end;\n      TKind = (kA, kB);\n      TRef = class of TInner;\n"
                 "      TProc = procedure(S: string; N: Integer) of object;\n"
                 "  private\n    Later: Integer;"),
         ClassTA + "field\tCount\t32\t5\t\t\tclass\nfield\tName\t32\t6\t\t\nfield\tLater\t128\t18\t\t\n"
                   "class\tTInner\tTBase\t10\t\t\tqualified=TA.TInner\nfield\tX\t16\t11\t\t\n"
                   "class\tTRec\t\t13\t\t\tqualified=TA.TRec\tkind=record\nfield\tA\t16\t13\t\t\nfield\tB\t16\t13\t\t\n"},
        {"directives after fields, names like keywords, a visibility right after a section keyword",
         InClass("  public\n    final class var\n      FIn: TStream; external name 'in';\n    const\n      required = 1;\n"
                 "      &FINAL = 16;\n  type public\n    TItem = record V: Integer; end;\n  public\n    X: Integer;"),
         ClassTA + "field\tFIn\t32\t6\t\t\tclass\nfield\tX\t32\t13\t\t\n"
                   "class\tTItem\t\t11\t\t\tqualified=TA.TItem\tkind=record\nfield\tV\t16\t11\t\t\n"},
        {"a class nested two deep: each after the class that holds it",
         InClass("    type\n      TN1 = class\n        type TN2 = class(TX) Y: Integer; end;\n        var Z: Integer;\n"
                 "      end;\n    var W: Integer;"),
         ClassTA + "field\tW\t16\t9\t\t\nclass\tTN1\tTObject\t5\t\t\tqualified=TA.TN1\nfield\tZ\t16\t7\t\t\n"
                   "class\tTN2\tTX\t6\t\t\tqualified=TA.TN1.TN2\nfield\tY\t16\t6\t\t\n"},
        {"helpers and class modifiers",
         "unit U;\ntype\n  TH = class helper for TStrings\n    procedure P;\n  end;\n"
         "  TR = record helper for TPoint\n    function L: Double;\n  end;\n"
         "  TS = type helper(TBaseHelper) for string end;\n"
         "  TAb = class abstract(TB) end;\n  TSe = class sealed end;\n"
         "  JObject = class external 'java.lang' name 'Object' (JBase) end;\n",
         "class\tTH\t\t3\t\t\tkind=class helper\thelps=TStrings\nmethod\tP\t16\t4\t\t\t()\n"
         "class\tTR\t\t6\t\t\tkind=record helper\thelps=TPoint\nmethod\tL\t16\t7\t\t\t()\n"
         "class\tTS\tTBaseHelper\t9\t\t\tkind=type helper\thelps=string\n"
         "class\tTAb\tTB\t10\t\t\nclass\tTSe\tTObject\t11\t\t\n"
         "class\tJObject\tJBase\t12\t\t\n"},
        {"an interface's GUID, on its own line or beside the heading; a constant's name is none",
         "unit U;\ntype\n  IA = interface\n    ['{00000000-0000-0000-C000-000000000046}']\n    procedure P;\n  end;\n"
         "  IB = interface(IA) ['{12345678-9ABC-DEF0-1234-56789ABCDEF0}'] end;\n  IC = interface [SID_IC] end;\n"
         "  ID = dispinterface\n    ['{11111111-2222-3333-4444-555555555555}']\n  end;\n",
         "class\tIA\t\t3\t\t\tkind=interface\tguid={00000000-0000-0000-C000-000000000046}\nmethod\tP\t16\t5\t\t\t()\n"
         "class\tIB\tIA\t7\t\t\tkind=interface\tguid={12345678-9ABC-DEF0-1234-56789ABCDEF0}\n"
         "class\tIC\t\t8\t\t\tkind=interface\n"
         "class\tID\t\t9\t\t\tkind=dispinterface\tguid={11111111-2222-3333-4444-555555555555}\n"},
        {"fields of anonymous types",
         InClass("    P: ^TNode;\n    K: (kOne, kTwo);\n    R: 0..255;\n    Inline: record A: Integer; case B: Byte of 0: (C: Word); end;\n"
                 "    Handler: procedure(A: Integer; B: string) of object;\n    Last: Integer"),
         ClassTA + "field\tP\t16\t4\t\t\nfield\tK\t16\t5\t\t\nfield\tR\t16\t6\t\t\nfield\tInline\t16\t7\t\t\n"
                   "field\tHandler\t16\t8\t\t\nfield\tLast\t16\t9\t\t\n"},
        {"properties with expressions or no specifiers",
         InClass("    property A: Integer read FRec.X write SetA default Ord(High(Byte)) - 1;\n"
                 "    property Items[I: Integer]: TItem read GetItem; default;\n"
                 "    property B: TList<Integer>;\n    property C;\n    property D: Integer read FD; deprecated;\n"
                 "    property E: Integer index 1 read GetE implements IE stored False nodefault;"),
         ClassTA + "property\tA\t16\t4\t\t\nproperty\tItems\t16\t5\t\t\nproperty\tB\t16\t6\t\t\n"
                   "property\tC\t16\t7\t\t\tredeclared\nproperty\tD\t16\t8\t\t\n"
                   "property\tE\t16\t9\t\t\n"},
        {"&-escaped names",
         InClass("    &End: Integer;\n    procedure &Type(&Begin: Integer);\n    property &Class: Integer read FC;"),
         ClassTA + "field\tEnd\t16\t4\t\t\nmethod\tType\t16\t5\t\t\t(INTEGER)\nproperty\tClass\t16\t6\t\t\n"},
        {"only the branches a compiler reads, inside and outside classes; an undecidable condition takes its branch",
         "unit U;\ntype\n  TA = class{$IFDEF X}(TB){$ELSE}(TC){$ENDIF}\n  {$IFDEF Y}\n    A: Integer;\n"
         "  {$IFNDEF Z} B: Integer; {$ELSE} B: Word; {$ENDIF}\n  {$ELSEIF W}\n    A: Word;\n  {$ELSE}\n    A: Byte;\n"
         "  {$ENDIF}\n    C: Integer;\n  end;\n"
         "{$IFDEF X}\n  TD = class(TB) end;\n{$ELSE}\n  TD = class(TC) end;\n{$ENDIF}\n",
         "class\tTA\tTC\t3\t\t\nfield\tA\t16\t8\t\t\nfield\tC\t16\t12\t\t\nclass\tTD\tTC\t17\t\t\n"},
        {"types named after other types; procedural types and comparisons are none",
         "unit U;\ntype\n  TA = TB;\n  TC = Sys.TD;\n  TE = specialize TList<Integer>;\n  TF = TDict<A, // key\n B>;\n"
         "  TP = procedure(const A: Integer; var B);\n  TG = TH;\n  TI = (x, y);\nconst\n  K = TB;\n"
         "implementation\nprocedure P;\nbegin\n  X := A = B;\nend;\nend.\n",
         "alias\tTA\tTB\t3\t\nalias\tTC\tTD\t4\t\nalias\tTE\tTList\t5\t\nalias\tTF\tTDict\t6\t\n"
         "alias\tTG\tTH\t9\t\n"},
        {"class methods, constructors, operators, interface method maps, attributes",
         InClass("    class function Make: TA;\n    class procedure Reset; static;\n"
                 "    class constructor Init;\n    destructor Destroy; override;\n"
                 "    class operator Implicit(const S: string): TA;\n    class operator +(A, B: TA): TA;\n"
                 "    procedure IX.Run = RunX;\n    [Weak] FRef: TA;\n    generic procedure G<T>;"),
         ClassTA + "method\tMake\t16\t4\t\t\tclass ()\nmethod\tReset\t16\t5\t\t\tclass ()\n"
                   "method\tInit\t16\t6\t\t\tclass ()\nmethod\tDestroy\t16\t7\t\t\t()\n"
                   "method\tImplicit\t16\t8\t\t\tclass (STRING):TA\nfield\tFRef\t16\t11\t\t\nmethod\tG\t16\t12\t\t\t<>()\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TResult r = ParseModern(c.Text);
        EXPECT_EQ(r.Error, "");
        EXPECT_EQ(r.Events, c.Events);
    }
}

// Each overload is announced with its parameter types, and so is each implementation heading,
// normalised so that the two give the same text.
// Constructs compilers accept that the reading once refused.
TEST(ModernDialect, ValidCodeIsRead) {
    struct Case {
        const char* Name;
        std::string Text;
        std::string Events;
    } cases[] = {
        {"method resolution clauses, a generic interface's too",
         InClass("    function IEnumerator<T>.GetCurrent = GetCurrentGen;\n    procedure IFoo.Bar = Baz;\n"
                 "    function GetCurrentGen: T;"),
         ClassTA + "method\tGetCurrentGen\t16\t6\t\t\t()\n"},
        {"newer method directives",
         InClass("    procedure P; unsafe;\n    procedure Q; winapi;\n    procedure R; external 'lib' delayed;\n"
                 "    X: Integer;"),
         ClassTA + "method\tP\t16\t4\t\t\t()\nmethod\tQ\t16\t5\t\t\t()\nmethod\tR\t16\t6\t\t\t()\n"
                   "field\tX\t16\t7\t\t\n"},
        {"names escaped with &&",
         InClass("    class function &&op_Implicit(A: Integer): TA;\n    &&op_Data: Integer;"),
         ClassTA + "method\top_Implicit\t16\t4\t\t\tclass (INTEGER)\nfield\top_Data\t16\t5\t\t\n"},
        {"procedural fields with calling conventions after them",
         InClass("    F: procedure(A: Integer); cdecl varargs;\n    G: function(Fmt: PChar): Integer; cdecl; varargs;\n"
                 "    X: Integer;"),
         ClassTA + "field\tF\t16\t4\t\t\nfield\tG\t16\t5\t\t\nfield\tX\t16\t6\t\t\n"},
        {"nested comments in Free Pascal's ObjFPC mode",
         "unit U;\n{$mode objfpc}\ntype\n  TA = class\n    { outer { inner } X: Integer; }\n    Y: Integer;\n  end;\n",
         "class\tTA\tTObject\t4\t\t\nfield\tY\t16\t6\t\t\n"},
        {"comments that do not nest in Delphi mode",
         "unit U;\n{$mode delphi}\ntype\n  TA = class\n    { outer { inner } X: Integer; { }\n    Y: Integer;\n  end;\n",
         "class\tTA\tTObject\t4\t\t\nfield\tX\t16\t5\t\t\nfield\tY\t16\t6\t\t\n"},
        {"declarations of one name the compiler tells apart: class and instance destructors, generic arity, nested types",
         "unit U;\ntype\n  TA = class\n    class destructor Destroy;\n    destructor Destroy; override;\n"
         "    function AsList: TList;\n    function AsList<T>: TList<T>;\n  end;\n"
         "  TEvent = class end;\n  TEvent<T> = class(TEvent) end;\n"
         "  TDict<K, V> = class\n  type\n    TKeys = class end;\n  end;\n"
         "  TSet<T> = class\n  type\n    TKeys = class(TDict<T, Boolean>.TKeys) end;\n  end;\n"
         "implementation\nclass destructor TA.Destroy;\nbegin\nend;\nfunction TA.AsList<T>: TList<T>;\nbegin\nend;\nend.\n",
         "class\tTA\tTObject\t3\t\t\nmethod\tDestroy\t16\t4\t\t\tclass ()\nmethod\tDestroy\t16\t5\t\t\t()\n"
         "method\tAsList\t16\t6\t\t\t()\nmethod\tAsList\t16\t7\t\t\t<>()\n"
         "class\tTEvent\tTObject\t9\t\t\nclass\tTEvent\tTEvent\t10\t\t\tqualified=TEvent<T>\n"
         "class\tTDict\tTObject\t11\t\t\tqualified=TDict<K,V>\nclass\tTKeys\tTObject\t13\t\t\tqualified=TDict<K,V>.TKeys\n"
         "class\tTSet\tTObject\t15\t\t\tqualified=TSet<T>\nclass\tTKeys\tTKeys\t17\t\t\tqualified=TSet<T>.TKeys\n"
         "implementation\tTA\tDestroy\t20\t\tclass ()\nimplementation\tTA\tAsList\t23\t\t<>()\n"},
        {"interfaces, dispinterfaces, records with variant parts, old-style objects",
         "unit U;\ntype\n  IFoo = interface;\n  IBar = interface(IFoo)\n    ['{00000000-0000-0000-0000-000000000001}']\n"
         "    function Get: Integer; stdcall;\n    property Value: Integer read Get;\n  end;\n"
         "  IDisp = dispinterface\n    property Count: Integer readonly dispid 1;\n  end;\n"
         "  TRec = packed record\n    X: Integer;\n    class operator Add(A, B: TRec): TRec;\n"
         "    case Kind: Byte of\n      0: (I: Integer);\n      1: (R: record A, B: Word; end);\n  end;\n"
         "  TObj = object(TParent)\n    procedure Run; virtual;\n  end;\n",
         "class\tIBar\tIFoo\t4\t\t\tkind=interface\tguid={00000000-0000-0000-0000-000000000001}\nmethod\tGet\t16\t6\t\t\t()\nproperty\tValue\t16\t7\t\t\n"
         "class\tIDisp\t\t9\t\t\tkind=dispinterface\nproperty\tCount\t16\t10\t\t\n"
         "class\tTRec\t\t12\t\t\tkind=record\nfield\tX\t16\t13\t\t\nmethod\tAdd\t16\t14\t\t\tclass (TREC;TREC):TREC\n"
         "class\tTObj\tTParent\t19\t\t\tkind=object\nmethod\tRun\t16\t20\t\t\t()\n"},
        {"operators named by symbols that read like constants or fields, and operators told apart by their result",
         "unit U;\ntype\n  TRec = record\n    class operator = (A, B: TRec) R: Boolean;\n    class operator := (A: Integer): TRec;\n"
         "    class operator Implicit(A: TRec): Integer;\n    class operator Implicit(A: TRec): string;\n    X: Integer;\n  end;\n"
         "implementation\nclass operator TRec.Implicit(A: TRec): string;\nbegin\nend;\nend.\n",
         "class\tTRec\t\t3\t\t\tkind=record\nmethod\tImplicit\t16\t6\t\t\tclass (TREC):INTEGER\n"
         "method\tImplicit\t16\t7\t\t\tclass (TREC):STRING\nfield\tX\t16\t8\t\t\n"
         "implementation\tTRec\tImplicit\t11\t\tclass (TREC):STRING\n"},
        {"dotted unit names whole, in the heading and in uses clauses",
         "unit Lib.Alpha.Core;\ninterface\nuses System.Classes, Lib.Beta in 'src/Lib.Beta.pas', Gamma;\n",
         "uses\tSYSTEM.CLASSES\nuses\tLIB.BETA\nuses\tGAMMA\n"},
        {"run-time type information where {$M+} or {$TYPEINFO ON} stands",
         "unit U;\ntype\n{$M+}\n  TP = class end;\n{$M-}\n  TQ = class end;\n{$TYPEINFO ON}\n  TR = class end;\n",
         "class\tTP\tTObject\t4\t\t\ttypeinfo\nclass\tTQ\tTObject\t6\t\t\nclass\tTR\tTObject\t8\t\t\ttypeinfo\n"},
        {"nested comments by mode switch",
         "unit U;\n{$mode delphi}{$modeswitch nestedcomments}\ntype\n  TA = class\n    { { } X: Integer; }\n"
         "    Y: Integer;\n  end;\n",
         "class\tTA\tTObject\t4\t\t\nfield\tY\t16\t6\t\t\n"},
    };
    for (const Case& c : cases) {
        const TResult r = ParseModern(c.Text);
        EXPECT_EQ(r.Error, "") << c.Name;
        EXPECT_EQ(r.Events, c.Events) << c.Name;
    }
}

// A byte order mark in front of a unit or an include file is no part of its text, in either reading.
TEST(ModernDialect, AByteOrderMarkIsPassedOver) {
    const std::string unit = "\xEF\xBB\xBFunit U;\ntype\n  TA = class\n{$I a.inc}\n  end;\n";
    const TFiles files = {{"dir/a.inc", "\xEF\xBB\xBF    X: Integer;\n"}};
    const TResult r = ParseModern(unit, files);
    EXPECT_EQ(r.Error, "");
    EXPECT_EQ(r.Events, "class\tTA\tTObject\t3\t\t\nfield\tX\t16\t1\tdir/a.inc\t\n");

    TUnitParser delphi2;
    TEventLog log(delphi2);
    delphi2.ParseText("u.pas", "\xEF\xBB\xBFunit U;\ninterface\ntype\n  TA = class\n    X: Integer;\n  end;\nimplementation\nend.\n");
    EXPECT_EQ(log.Text, "class\tTA\tTObject\t4\nfield\tX\t16\t5\n");

    const TUnitHeading heading = ReadUnitHeading("\xEF\xBB\xBFunit Lib.Alpha;\ninterface\nuses Lib.Beta;\n");
    EXPECT_EQ(heading.Kind, "UNIT");
    EXPECT_EQ(heading.Name, "Lib.Alpha");
    EXPECT_EQ(heading.Uses, std::vector<std::string>{"LIB.BETA"});
}

TEST(ModernDialect, OverloadsCarryTheirParameterTypes) {
    const std::string text =
        "unit U;\ntype\n  TA = class(TB)\n"
        "    procedure Add(A, B: Integer; const S: string = 'x;)'); overload;\n"
        "    procedure Add(var X; out Y; Z: array of const); overload;\n"
        "    function Add(L: specialize TList<Classes.TStrings>; P: System.PChar): Boolean; overload;\n"
        "    procedure Add(const [ref] R: TRect; F: TFunc = nil); overload;\n"
        "    procedure Add; overload;\n"
        "  end;\nimplementation\n"
        "procedure TA.Add(A, B: Integer; const S: string);\nbegin end;\n"
        "procedure TA.Add(var X; out Y; Z: Array Of Const);\nbegin end;\n"
        "function TA.Add(L: TList<TStrings>; P: PChar): Boolean;\nbegin end;\n"
        "procedure TA.Add(const R: TRect; F: TFunc);\nbegin end;\n"
        "procedure TA.Add();\nbegin end;\n"
        "procedure TOuter.TInner.Run;\nbegin end;\nend.\n";
    const char* params[] = {"(INTEGER;INTEGER;STRING)", "(VAR;OUT;ARRAY OF CONST)", "(TLIST<TSTRINGS>;PCHAR)",
                            "(TRECT;TFUNC)", "()"};
    std::string expected = "class\tTA\tTB\t3\t\t\n";
    for (int i = 0; i < 5; ++i) expected += "method\tAdd\t16\t" + std::to_string(4 + i) + "\t\t\t" + params[i] + "\n";
    for (int i = 0; i < 5; ++i)
        expected += "implementation\tTA\tAdd\t" + std::to_string(11 + 2 * i) + "\t\t" + params[i] + "\n";
    expected += "implementation\tTInner\tRun\t21\t\t()\n";
    TResult r = ParseModern(text);
    EXPECT_EQ(r.Error, "");
    EXPECT_EQ(r.Events, expected);
}

TEST(ModernDialect, IncludeFilesGiveTheirFileAndLines) {
    const TFiles files = {
        {"dir/classesh.inc", "  TC = class(TA)\n{$I members}\n  end;\n"},
        {"dir/members.inc", "\n    Field: Integer;\n    procedure P;\n"},
        {"dir/sub/impl.pp", "procedure TC.P;\nbegin end;\n"},
    };
    const std::string text = "unit U;\n{$I+}{$I-}{$I %DATE%}\ntype\n  TA = class\n  end;\n{$I classesh}\n"
                              "  TD = class(TC)\n    X: Integer;\n  end;\nimplementation\n{$INCLUDE 'sub/impl.pp'}\n"
                              "procedure TD.Q;\nbegin end;\nend.\n";
    TResult r = ParseModern(text, files);
    EXPECT_EQ(r.Error, "");
    EXPECT_EQ(r.Events,
              "class\tTA\tTObject\t4\t\t\n"
              "class\tTC\tTA\t1\tdir/classesh.inc\t\n"
              "field\tField\t16\t2\tdir/members.inc\t\n"
              "method\tP\t16\t3\tdir/members.inc\t\t()\n"
              "class\tTD\tTC\t7\t\t\nfield\tX\t16\t8\t\t\n"
              "implementation\tTC\tP\t1\tdir/sub/impl.pp\t()\n"
              "implementation\tTD\tQ\t12\t\t()\n");
}

TEST(ModernDialect, IncludeErrorsNameTheFile) {
    struct Case {
        const char* Name;
        std::string Text;
        TFiles Files;
        std::string Error;
        std::string Events;
    } cases[] = {
        {"missing: passed over with a warning", "unit U;\n\n{$I missing.inc}\ntype TA = class end;\n", {}, "",
         "warning\tInclude file not found: missing.inc - Line 3, U\nclass\tTA\tTObject\t4\t\t\n"},
        {"missing in an include file", "unit U;\n{$I a.inc}\n", {{"dir/a.inc", "\n{$I gone.inc}"}}, "",
         "warning\tInclude file not found: gone.inc - Line 2 of dir/a.inc, U\n"},
        {"missing inside a class declaration", "unit U;\ntype TA = class\n{$I members.inc}\nend;\n", {},
         "Internal Error: Include file not found: members.inc - Line 3, U", ""},
        {"missing in a conditional block: passed over", "unit U;\n{$IFDEF KYLIX}{$I missing.inc}{$ENDIF}\ntype TA = class end;\n",
         {}, "", "class\tTA\tTObject\t3\t\t\n"},
        {"a file that includes itself", "unit U;\n{$I a.inc}\n", {{"dir/a.inc", "\n{$I a.inc}\n"}},
         "Internal Error: Include file includes itself: a.inc - Line 2 of dir/a.inc, U", ""},
        {"a cycle through two files", "unit U;\n{$I a.inc}\n",
         {{"dir/a.inc", "{$I b.inc}"}, {"dir/b.inc", "type TB = class end;\n{$I a.inc}"}},
         "Internal Error: Include file includes itself: a.inc - Line 2 of dir/b.inc, U", "class\tTB\tTObject\t1\tdir/b.inc\t\n"},
        {"a syntax error in an include file", "unit U;\ntype\n{$I a.inc}\n", {{"dir/a.inc", "TA = class\n  F = 1;\nend;"}},
         "Internal Error: Unable to find : in field definition - Line 2 of dir/a.inc, U", "class\tTA\tTObject\t1\tdir/a.inc\t\nfield\tF\t16\t2\tdir/a.inc\t\n"},
        {"an unclosed comment in an include file", "unit U;\n{$I a.inc}\n", {{"dir/a.inc", "{ open"}}, "Stream read error", ""},
        {"a file included over and over", "unit U;\n{$I a.inc}\n",
         {{"dir/a.inc", "{$I b.inc}{$I b.inc}{$I b.inc}{$I b.inc}{$I b.inc}{$I b.inc}{$I b.inc}{$I b.inc}{$I b.inc}{$I b.inc}"},
          {"dir/b.inc", "{$I c.inc}{$I c.inc}{$I c.inc}{$I c.inc}{$I c.inc}{$I c.inc}{$I c.inc}{$I c.inc}{$I c.inc}{$I c.inc}"},
          {"dir/c.inc", "{$I d.inc}{$I d.inc}{$I d.inc}{$I d.inc}{$I d.inc}{$I d.inc}{$I d.inc}{$I d.inc}{$I d.inc}{$I d.inc}"},
          {"dir/d.inc", "{$I e.inc}{$I e.inc}{$I e.inc}{$I e.inc}{$I e.inc}{$I e.inc}{$I e.inc}{$I e.inc}{$I e.inc}{$I e.inc}"},
          {"dir/e.inc", " "}},
         "Internal Error: Too many include files: b.inc - Line 1 of dir/a.inc, U", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TResult r = ParseModern(c.Text, c.Files);
        EXPECT_EQ(r.Error, c.Error);
        EXPECT_EQ(r.Events, c.Events);
    }
}

// On disk: the include file beside the unit in another letter case, else one found in an
// indexed tree, the one nearest the including file.
TEST(ModernDialect, IncludeFilesOnDisk) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ScratchDirName("qm_modern_includes");
    fs::remove_all(root);
    fs::create_directories(root / "rtl" / "unix");
    fs::create_directories(root / "rtl" / "inc");
    fs::create_directories(root / "other" / "inc");
    auto write = [](const fs::path& Path, const std::string& Text) { std::ofstream(Path, std::ios::binary) << Text; };
    write(root / "rtl" / "unix" / "Defs.INC", "type TDefs = class end;\n");
    write(root / "rtl" / "inc" / "classesh.inc", "type TComponent = class end;\n");
    write(root / "other" / "inc" / "classesh.inc", "type TWrong = class end;\n");
    const std::string unit = (root / "rtl" / "unix" / "classes.pp").string();
    write(unit, "unit Classes;\n{$I defs}\n{$I classesh.inc}\nend.\n");

    TUnitParser p;
    p.Dialect = TDialect::Modern;
    TEventLog log(p);
    p.Parse(unit);  // classesh.inc is not beside the unit
    EXPECT_EQ(log.Text, "class\tTDefs\tTObject\t1\t" + (root / "rtl" / "unix" / "Defs.INC").string() +
                            "\t\nwarning\tInclude file not found: classesh.inc - Line 3, Classes\n");

    TIncludeTree tree;
    tree.AddTree(root.string());
    p.IncludeReader = [&](const std::string& Path, std::string& Found, std::string& Text) {
        return tree.Read(Path, Found, Text);
    };
    log.Text.clear();
    p.Parse(unit);
    EXPECT_EQ(log.Text, "class\tTDefs\tTObject\t1\t" + (root / "rtl" / "unix" / "Defs.INC").string() +
                            "\t\nclass\tTComponent\tTObject\t1\t" + (root / "rtl" / "inc" / "classesh.inc").string() + "\t\n");
    fs::remove_all(root);
}

// A run over many units asks the reader once for each path, found or not, and each parse still
// reads what it would read without the cache.
TEST(ModernDialect, AnIncludeCacheAsksOncePerPath) {
    const TFiles files = {{"dir/a.inc", "type TA = class end;\n"}};
    std::map<std::string, int> asked;
    const TIncludeReader counted = [&](const std::string& Path, std::string& Found, std::string& Text) {
        ++asked[Path];
        return MemoryIncludes(files)(Path, Found, Text);
    };
    const std::string unit = "unit U;\n{$I a.inc}\n{$I a.inc}\n{$I gone}\nend.\n";
    const TResult plain = ParseModern(unit, files);
    const TIncludeReader cached = CachingIncludeReader(counted);
    for (int run = 0; run < 2; ++run) {
        TUnitParser p;
        p.Dialect = TDialect::Modern;
        p.IncludeReader = cached;
        TEventLog log(p);
        p.ParseText("dir/u.pas", unit);
        EXPECT_EQ(log.Text, plain.Events);
    }
    EXPECT_EQ(asked, (std::map<std::string, int>{
                         {"dir/a.inc", 1}, {"dir/gone", 1}, {"dir/gone.inc", 1}, {"dir/gone.pp", 1}, {"dir/gone.pas", 1}}));
}

TEST(ModernDialect, SyntaxErrorsStillRaised) {
    struct Case {
        std::string Body;
        std::string Reason;
    } cases[] = {
        {"    procedure Paint Now;", "Unable to find ; in method definition heading"},
        {"    procedure Paint(X: Integer) Now;", "Unable to find ; following method definition heading"},
        {"    F = 3;", "Unable to find : in field definition"},
        {"    property P = 3;", "Unable to find : in property interface"},
        {"    strict public X: Integer;", "Unable to find identifier"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Body);
        EXPECT_EQ(ParseModern(InClass(c.Body)).Reason, c.Reason);
    }
    EXPECT_EQ(ParseModern("unit U;\ntype TA = class(TB; end;\n").Reason, "Class heritage missing )");
}

// A default-dialect user learns when the modern dialect reads a unit that fails for them.
TEST(ModernDialect, HintForTheDefaultDialect) {
    EXPECT_TRUE(ModernDialectReads("u.pas", InClass("    procedure A; overload;")));
    EXPECT_TRUE(ModernDialectReads("u.pas", "unit U;\ntype TA = class(TB, IX) end;\n"));
    EXPECT_FALSE(ModernDialectReads("u.pas", InClass("    procedure A B;")));
    EXPECT_FALSE(ModernDialectReads("/nonexistent/u.pas", InClass("{$I nothing.inc}")));
    EXPECT_EQ(std::string(ModernDialectHint),
              "This unit uses modern Object Pascal: turn on \"Read modern Object Pascal\" in Configuration, or use --modern");
}

// A failed default-dialect parse tells by itself whether what stopped it is later Object Pascal
// (a construct the modern dialect reads) or plain damage: many files get their hint without a
// second reading, and the hint agrees with the modern reading on each of these units.
TEST(ModernDialect, DefaultDialectSeesWhereModernPascalStoppedIt) {
    const struct {
        std::string Unit;
        bool Modern;
    } cases[] = {
        {InClass("    procedure A; overload;"), true},
        {InClass("    constructor Create; reintroduce; virtual;"), true},
        {InClass("  strict private\n    F: Integer;"), true},
        {InClass("    class var Count: Integer;"), true},
        {InClass("  type\n    TKind = (kA, kB);"), true},
        {InClass("    function First<T>: T;"), true},
        {InClass("    function Items: specialize TList<Integer>;"), true},
        {InClass("    function Owner: Classes.TComponent;"), true},
        {InClass("    procedure Clear(); virtual;"), true},
        {InClass("    FItems: ^Integer;"), true},
        {InClass("    FState: (sIdle, sBusy);"), true},
        {"unit U;\ntype TL = class(specialize TFPGList<Byte>) end;\nimplementation\nend.\n", true},
        {"unit U;\ntype TA = class(TB, IX) end;\nimplementation\nend.\n", true},
        {"unit U;\ntype TA = class(Classes.TB) end;\nimplementation\nend.\n", true},
        {"unit U;\ntype TA = class sealed(TB) end;\nimplementation\nend.\n", true},
        {InClass("    procedure A B;"), false},
        {InClass("    procedure A(X: Integer) B;"), false},
        {InClass("    F G: Integer;"), false},
        {InClass("    F = 3;"), false},
        {"unit U;\ntype TA = class(TB; end;\nimplementation\nend.\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Unit);
        TUnitParser p;
        EXPECT_THROW(p.ParseText("u.pas", c.Unit), EUnitParserError);
        EXPECT_EQ(p.StoppedAtModern, c.Modern);
        EXPECT_EQ(ModernDialectReads("u.pas", c.Unit), c.Modern);
        // A parse that goes on after a failure starts afresh.
        p.ParseText("v.pas", "unit V;\ninterface\nimplementation\nend.\n");
        EXPECT_FALSE(p.StoppedAtModern);
    }
}

// The default dialect announces nothing of what the modern one adds.
TEST(ModernDialect, DefaultDialectIgnoresIncludes) {
    TUnitParser p;
    bool asked = false;
    p.IncludeReader = [&](const std::string&, std::string&, std::string&) { return asked = true; };
    TEventLog log(p);
    p.ParseText("u.pas", "unit U;\n{$I a.inc}\ntype TA = class(TB)\n  F: Integer;\nend;\n");
    EXPECT_FALSE(asked);
    EXPECT_EQ(log.Text, "class\tTA\tTB\t3\nfield\tF\t16\t4\n");
}

}  // namespace qm
