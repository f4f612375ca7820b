// Conditional compilation in the modern reading: the {$IF} evaluator on its own, then small units
// read for each target and with the user's symbols.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "conditionals.h"
#include "eventlog.h"
#include "memoryfiles.h"
#include "targets.h"
#include "unitparser.h"

namespace qm {

namespace {

class TFixedScope : public TConditionScope {
public:
    const TSymbolState* Symbol(std::string_view UpperName) const override {
        static const TSymbolState on, macro{true, "30"};
        if (UpperName == "ON" || UpperName == "FPC") return &on;
        if (UpperName == "LEVEL") return &macro;
        return nullptr;
    }
    std::optional<double> Constant(std::string_view UpperName) const override {
        if (UpperName == "COMPILERVERSION") return 36.0;
        return std::nullopt;
    }
    int PointerSize() const override { return 8; }
};

TEST(Conditionals, ExpressionsAnswerTrueFalseOrUnknown) {
    const struct {
        const char* Expression;
        TTruth Expected;
    } cases[] = {
        {"Defined(ON)", TTruth::True},
        {"defined(off)", TTruth::False},
        {"not Defined(OFF) and Defined(ON)", TTruth::True},
        {"Defined(OFF) or (CompilerVersion >= 36.0)", TTruth::True},
        {"CompilerVersion < 20", TTruth::False},
        {"(CompilerVersion > 30) xor Defined(ON)", TTruth::False},
        {"SizeOf(Pointer) = 8", TTruth::True},
        {"Declared(TObject)", TTruth::False},
        {"LEVEL >= 30", TTruth::True},
        {"$10 = 16", TTruth::True},
        {"7 div 2 = 3", TTruth::True},
        {"'abc' < 'abd'", TTruth::True},
        {"TRUE", TTruth::True},
        {"RTLVersion >= 20", TTruth::Unknown},             // a constant this target does not have
        {"MyConst > 2", TTruth::Unknown},                  // a constant of the source
        {"Defined(OFF) and MyConst", TTruth::False},       // false whatever the other side is
        {"Defined(ON) or MyFunc(1, 2)", TTruth::True},
        {"Defined(ON) and MyFunc(1, 2)", TTruth::Unknown},
        {"(Defined(ON)", TTruth::Unknown},                 // does not parse
        {"", TTruth::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(EvaluateCondition(c.Expression, TFixedScope()), c.Expected) << c.Expression;
}

// The events of Text read as "dir/u.pas" with Defines; include files from Files.
std::string Events(const std::string& Text, std::shared_ptr<const TDefineSet> Defines = nullptr,
                   const TFiles& Files = {}) {
    TUnitParser p;
    p.Dialect = TDialect::Modern;
    p.Defines = std::move(Defines);
    p.IncludeReader = MemoryIncludes(Files);
    TEventLog log(p);
    try {
        p.ParseText("dir/u.pas", Text);
    } catch (const Exception& e) {
        return log.Text + "error\t" + e.Message() + "\n";
    }
    return log.Text;
}

std::shared_ptr<const TDefineSet> For(const char* Target) {
    return std::make_shared<const TDefineSet>(FindTarget(Target));
}

TEST(Conditionals, OnlyTheBranchesACompilerReadsAreRead) {
    const std::string crossPlatform =
        "unit U;\ninterface\nuses {$IFDEF FPC}FpUnit{$ELSE}DelphiUnit{$ENDIF};\ntype\n"
        "{$IF Defined(MSWINDOWS) and (SizeOf(Pointer) = 8)}\n  TW = class(TWin64) end;\n"
        "{$ELSEIF Defined(MSWINDOWS)}\n  TW = class(TWin32) end;\n{$ELSE}\n  TW = class(TPosix) end;\n{$IFEND}\n"
        "{$IF Defined(FPC) and (FPC_FULLVERSION >= 30200)}\n  TV = class(TNew) end;\n{$ENDIF}\n";
    EXPECT_EQ(Events(crossPlatform, For("delphi-win32")), "uses\tDELPHIUNIT\nclass\tTW\tTWin32\t8\t\t\n");
    EXPECT_EQ(Events(crossPlatform, For("delphi-win64")), "uses\tDELPHIUNIT\nclass\tTW\tTWin64\t6\t\t\n");
    EXPECT_EQ(Events(crossPlatform, For("fpc-linux64")),
              "uses\tFPUNIT\nclass\tTW\tTPosix\t10\t\t\nclass\tTV\tTNew\t13\t\t\n");
    EXPECT_EQ(Events(crossPlatform, For("fpc-win64")),
              "uses\tFPUNIT\nclass\tTW\tTWin64\t6\t\t\nclass\tTV\tTNew\t13\t\t\n");

    // A record in one branch and a class in the other: the branch read decides.
    const std::string recordOrClass =
        "unit U;\ntype\n{$IFDEF AS_RECORD}\n  TP = record X: Integer; end;\n{$ELSE}\n  TP = class(TBase)\n    X: Integer;\n"
        "  end;\n{$ENDIF}\n";
    EXPECT_EQ(Events(recordOrClass), "class\tTP\tTBase\t6\t\t\nfield\tX\t16\t7\t\t\n");
    auto user = std::make_shared<TDefineSet>(FindTarget("delphi-win32"));
    user->Define("as_record");
    EXPECT_EQ(Events(recordOrClass, user), "class\tTP\t\t4\t\t\tkind=record\nfield\tX\t16\t4\t\t\n");
    // The user's symbols hide the target's.
    auto noWindows = std::make_shared<TDefineSet>(FindTarget("delphi-win64"));
    noWindows->Undefine("MSWINDOWS");
    EXPECT_EQ(Events(crossPlatform, noWindows), "uses\tDELPHIUNIT\nclass\tTW\tTPosix\t10\t\t\n");
}

TEST(Conditionals, DirectivesCountOnlyInBranchesRead) {
    const struct {
        const char* Name;
        std::string Text;
        std::string Events;
    } cases[] = {
        {"a {$DEFINE} in a branch not read",
         "unit U;\n{$IFDEF NEVER}{$DEFINE A}{$ELSE}{$DEFINE B}{$ENDIF}\ntype\n{$IFDEF A} TA = class end; {$ENDIF}\n"
         "{$IFDEF B} TB = class end; {$ENDIF}\n",
         "class\tTB\tTObject\t5\t\t\n"},
        {"an {$UNDEF} in a branch read",
         "unit U;\n{$DEFINE A}{$IFDEF A}{$UNDEF A}{$ENDIF}\ntype\n{$IFNDEF A} TA = class end; {$ENDIF}\n",
         "class\tTA\tTObject\t4\t\t\n"},
        {"an include file in a branch not read", "unit U;\ntype\n{$IFDEF NEVER}{$I a.inc}{$ENDIF}\n  TB = class end;\n",
         "class\tTB\tTObject\t4\t\t\n"},
        {"blocks nested in a branch not read, comments and literals with directives in them",
         "unit U;\ntype\n{$IFDEF NEVER}\n{$IFDEF MSWINDOWS} X {$ELSE} Y {$ENDIF}\n{ {$ENDIF} } (* {$ELSE} *) 'a{$ELSE}'\n"
         "{$ELSE}\n  TK = class end;\n{$ENDIF}\n",
         "class\tTK\tTObject\t7\t\t\n"},
        {"switches the source sets and those every target starts with",
         "unit U;\ntype\n{$R+}{$IFOPT R+} TR = class end; {$ENDIF}\n{$IFOPT Q+} TQ = class end; {$ELSE} TNQ = class end; {$ENDIF}\n"
         "{$IFOPT Z+} TZ = class end; {$ENDIF}\n",
         "class\tTR\tTObject\t3\t\t\nclass\tTNQ\tTObject\t4\t\t\nclass\tTZ\tTObject\t5\t\t\n"},
        {"{$MODE} reads the rest for Free Pascal",
         "unit U;\n{$IFDEF FPC} bad {$ENDIF}\n{$MODE ObjFPC}\ntype\n{$IFDEF FPC_OBJFPC} TF = class end; {$ENDIF}\n"
         "{$IFDEF MSWINDOWS} TW = class end; {$ENDIF}\n",
         "class\tTF\tTObject\t5\t\t\n"},
        {"a macro names a class, on one line, under {$MACRO ON} only",
         "unit U;\n{$mode objfpc}{$macro on}\n{$define TProcessName:=TProcess}\ntype\n  TProcessName = class(TComponent)\n"
         "    procedure Run;\n  end;\n{$macro off}\n  TProcessName = class end;\n",
         "class\tTProcess\tTComponent\t5\t\t\nmethod\tRun\t16\t6\t\t\t()\nclass\tTProcessName\tTObject\t9\t\t\n"},
        {"a macro whose text holds directives, used twice",
         "unit U;\n{$macro on}\n{$define Decls :=\n  TM = class {$ifopt r+}(TR){$else}(TN){$endif} end;\n}\ntype\n  Decls\n"
         "{$R+}\n  Decls\n",
         "class\tTM\tTN\t7\t\t\nclass\tTM\tTR\t9\t\t\n"},
        {"a macro that names itself", "unit U;\n{$macro on}{$define TA:=TA}\ntype TA = class end;\n",
         "class\tTA\tTObject\t3\t\t\n"},
    };
    const TFiles files = {{"dir/a.inc", "TA = class end;"}};
    for (const auto& c : cases) EXPECT_EQ(Events(c.Text, nullptr, files), c.Events) << c.Name;
    // Named targets are not changed by {$MODE}.
    EXPECT_EQ(Events("unit U;\n{$MODE DELPHI}\ntype\n{$IFDEF FPC} TF = class end; {$ENDIF}\n", For("delphi-win32")), "");
}

// Without a target named, a unit of a Free Pascal or Lazarus source tree, or one whose name only
// Free Pascal reads, is read for Free Pascal; any other for Delphi.
TEST(Conditionals, UnitsOfFreePascalTreesAreReadForFreePascal) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(::testing::TempDir()) / "qm_fpc_trees";
    fs::remove_all(root);
    const std::string text = "unit U;\ntype\n{$IFDEF FPC} TF = class end; {$ELSE} TD = class end; {$ENDIF}\n";
    auto write = [&](const fs::path& Path) {
        fs::create_directories(Path.parent_path());
        std::ofstream(Path) << text;
        return Path.string();
    };
    for (const char* folder : {"fpc/rtl", "lazarus/lcl", "lazarus/components", "other/rtl"})
        fs::create_directories(root / folder);
    fs::create_directories(root / "fpc/packages");
    const struct {
        std::string Path;
        const char* Class;
    } cases[] = {
        {write(root / "fpc/packages/fcl-base/src/u.pas"), "TF"},
        {write(root / "lazarus/lcl/forms.pas"), "TF"},
        {write(root / "other/rtl/u.pas"), "TD"},  // an rtl folder alone makes no tree
        {write(root / "other/u.pp"), "TF"},
        {write(root / "other/u.pas"), "TD"},
    };
    for (const auto& c : cases) {
        TUnitParser parser;
        parser.Dialect = TDialect::Modern;
        TEventLog log(parser);
        parser.Parse(c.Path);
        EXPECT_EQ(log.Text, std::string("class\t") + c.Class + "\tTObject\t3\t\t\n") << c.Path;
    }
    fs::remove_all(root);
}

}  // namespace

}  // namespace qm
