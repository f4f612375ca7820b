// The class database commands end to end on a fresh database: output records and exit codes.
#include "scratchdir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "dbcmds.h"

namespace fs = std::filesystem;

namespace qm {

namespace {

class DbCommands : public ::testing::Test {
protected:
    void SetUp() override {
        // ctest runs the cases side by side: each needs a folder of its own.
        Dir = fs::temp_directory_path() /
              ScratchDirName("qm_dbcmds_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    // Runs a command; returns "status|stdout|stderr".
    std::string Run(const std::string& Command, const std::vector<std::string>& Args) {
        std::ostringstream out, err;
        int status = RunDatabaseCommand((Dir / "q.db").string(), Command, Args, out, err);
        return std::to_string(status) + "|" + out.str() + "|" + err.str();
    }
    static std::string Unit(const std::string& Name) { return QM_TESTDATA_DIR "/classdb/" + Name; }

    fs::path Dir;
};

}  // namespace

TEST_F(DbCommands, EveryCommandPrintsItsRecords) {
    const std::string sys = Unit("System.pas"), cls = Unit("Classes.pas"), a = Unit("UserA.pas"), b = Unit("UserB.pas");
    EXPECT_EQ(Run("add", {sys, cls, a, b}),
              "0|1\tSystem\t" + sys + "\n2\tClasses\t" + cls + "\n3\tUserA\t" + a + "\n4\tUserB\t" + b + "\n|");
    EXPECT_EQ(Run("units", {}), "0|2\tClasses\t" + cls + "\n1\tSystem\t" + sys + "\n3\tUserA\t" + a + "\n4\tUserB\t" + b + "\n|");
    EXPECT_EQ(Run("classes", {"tmybase"}), "0|4\tTMyBase\t3\t8\t3\n|");
    EXPECT_EQ(Run("members", {"TMyBase", "--no-methods", "--no-private"}),
              "0|Owner\t3\tTComponent\t2\tPublic\tProperty\nName\t3\tTComponent\t2\tPublished\tProperty\n|");
    EXPECT_EQ(Run("search", {"ASSIGN"}), "0|2\t.../classdb/Classes.TPersistent.Assign\n|");
    EXPECT_EQ(Run("lineinfo", {"UserA", "14"}), "0|1\tTMyBase\tWork\t0\t4\t3\t0\t0\n|");
    // On an implementation heading a method leads to its declaration.
    EXPECT_EQ(Run("resolve", {"3", "14", " loaded "}), "0|1\tTComponent\tLoaded\t20\t3\t2\t1\t0\n|");
    EXPECT_EQ(Run("resolve", {"3", "15", "Loaded"}), "0|2\tTComponent\tLoaded\t39\t3\t2\t1\t0\n|");
    // INHERITED and OVERRIDE climb as a double-click does: the ancestor, or nothing above to override.
    EXPECT_EQ(Run("resolve", {"3", "15", "inherited"}), "0|0\tTComponent\t\t15\t3\t2\t1\t0\n|");
    EXPECT_EQ(Run("resolve", {"3", "14", "Override"}), "0|1\tTComponent\tWork\t0\t3\t3\t0\t0\n|");
    // Looking down: the tree indented by level, and who declares a name below a class.
    EXPECT_EQ(Run("descendants", {"TPersistent"}),
              "0|2\tTPersistent\tClasses\n3\t  TComponent\tClasses\n4\t    TMyBase\tUserA\n5\t      TMyDerived\tUserB\n|");
    EXPECT_EQ(Run("descendants", {"2", "--depth", "1"}), "0|2\tTPersistent\tClasses\n3\t  TComponent\tClasses\n|");
    EXPECT_EQ(Run("overrides", {"TComponent.work"}), "0|4\tTMyBase\tUserA\t14\n|");
    EXPECT_EQ(Run("overrides", {"TMyBase.Work"}), "0||");
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"Work"}, {"TMyBase."}, {"TPersistent", "--depth"}, {"TPersistent", "--deep", "1"}})
        EXPECT_EQ(Run(bad.size() == 1 ? "overrides" : "descendants", bad).substr(0, 2), "2|") << bad[0];
    EXPECT_EQ(Run("descendants", {"TNobody"}), "1||no class TNobody\n");
    EXPECT_EQ(Run("dependants", {"usera"}), "0|3\t" + a + "\n4\t" + b + "\n|");
    EXPECT_EQ(Run("remove", {"UserA"}), "0|3\t" + a + "\n4\t" + b + "\n|");
    EXPECT_EQ(Run("remove-non-vcl", {}), "0||");  // no REPORT unit: everything counts as VCL
    EXPECT_EQ(Run("units", {}), "0|2\tClasses\t" + cls + "\n1\tSystem\t" + sys + "\n|");
}

TEST_F(DbCommands, InitLoadsTheVCLOfAnInstallation) {
    const std::string sample = QM_SOURCE_DIR "/samples/delphi2";
    EXPECT_EQ(Run("init", {sample}), "0|49\t" + sample + "/SOURCE/\n|");
    EXPECT_EQ(Run("classes", {"TApplication"}).substr(0, 2), "0|");
    // Names as the paths given to the load spell them, paths as the files were found.
    EXPECT_NE(Run("units", {}).find("\tSYSTEM\t" + sample + "/SOURCE/RTL/SYS/System.pas\n"), std::string::npos);
    // Without an installation the first unit is missing.
    EXPECT_EQ(Run("init", {(Dir / "nowhere").string()}),
              "1||Unable to locate unit: " + (Dir / "nowhere").string() + "/SOURCE/RTL/SYS/SYSTEM.PAS\n");
    EXPECT_EQ(Run("init", {"a", "b"}).substr(0, 2), "2|");
}

TEST_F(DbCommands, ErrorsGoToStandardErrorWithAStatus) {
    const std::string sys = Unit("System.pas"), missing = (Dir / "none.pas").string();
    EXPECT_EQ(Run("add", {sys, missing, sys}),
              "1|1\tSystem\t" + sys + "\n|Unable to locate unit: " + missing + "\nThe Unit \"" + sys +
                  "\" has already been added\n");
    // Each message names the unit's file, where it does not already.
    EXPECT_EQ(Run("add", {Unit("UserA.pas")}),
              "1||" + Unit("UserA.pas") +
                  ": Unable to locate ancestor class TCOMPONENT.\nThe Unit which defines this class must be loaded first.\n");
    EXPECT_EQ(Run("members", {"TNothing"}), "1||no class TNothing\n");
    EXPECT_EQ(Run("lineinfo", {"99", "1"}), "1||no unit 99\n");
    EXPECT_EQ(Run("members", {"12345"}), "1||no class 12345\n");
    EXPECT_EQ(Run("lineinfo", {"System", "x"}), "2||quillmap2-cli: LINE must be a number: x\n");
    EXPECT_EQ(Run("search", {}), "2||usage: quillmap2-cli [--db PATH] search NAME\n");
    EXPECT_EQ(Run("members", {"TObject", "TObject"}).substr(0, 2), "2|");

    std::ostringstream out, err;
    EXPECT_EQ(RunDatabaseCommand((Dir / "no" / "such" / "dir.db").string(), "units", {}, out, err), 1);
    EXPECT_NE(err.str().find("Unable to open the class database"), std::string::npos) << err.str();
}

}  // namespace qm

// A folder tree in modern Object Pascal: one summary record, each unit that did not load on the
// error stream; include files are found anywhere in the tree.
namespace qm {

// Interfaces are types of their own: who implements one, and which interfaces a class has.
TEST_F(DbCommands, ImplementersAndInterfaces) {
    fs::create_directories(Dir / "kinds");
    std::ofstream(Dir / "kinds" / "k.pas") << "unit K;\ninterface\ntype\n  IRead = interface end;\n"
                                              "  TFile = class(TObject, IRead) end;\n  TLog = class(TFile) end;\n";
    ASSERT_EQ(Run("add", {Unit("System.pas")}).substr(0, 2), "0|");
    ASSERT_EQ(Run("add", {"--modern", (Dir / "kinds" / "k.pas").string()}).substr(0, 2), "0|");
    auto id = [&](const char* Name) {
        const std::string row = Run("classes", {Name});
        return row.substr(2, row.find('\t') - 2);
    };
    const std::string file = id("TFile"), log = id("TLog");
    EXPECT_EQ(Run("implementers", {"IRead"}), "0|" + file + "\tTFile\tK\n" + log + "\t  TLog\tK\n|");
    EXPECT_EQ(Run("implementers", {"IRead", "--direct"}), "0|" + file + "\tTFile\tK\n|");
    EXPECT_EQ(Run("interfaces", {"TLog"}), "0|2\tTFile\tIRead\tK\t\n|") << "IRead declares no GUID";
    EXPECT_EQ(Run("implementers", {"IRead", "--all"}).substr(0, 2), "2|");
    const std::string read = Run("classes", {"IRead", "--kind"});
    EXPECT_EQ(read.substr(read.size() - 12), "\tinterface\n|") << read;
    EXPECT_EQ(Run("classes", {"--kind", "TLog"}).find("\tclass\n|") != std::string::npos, true);
    EXPECT_EQ(Run("classes", {"IRead"}).find("interface"), std::string::npos) << "the records stay as they were";
}

// An interface's GUID in the interfaces command, and the rows Class Info's filters add in members.
TEST_F(DbCommands, GuidsAndTheRowsOfInterfacesAndHelpers) {
    fs::create_directories(Dir / "kinds");
    std::ofstream(Dir / "kinds" / "g.pas") << "unit G;\ninterface\ntype\n"
                                              "  IRead = interface ['{01234567-89AB-CDEF-0123-456789ABCDEF}'] end;\n"
                                              "  TFile = class(TObject, IRead) end;\n"
                                              "  TFileHelper = class helper for TFile\n    procedure Rewind;\n  end;\n";
    ASSERT_EQ(Run("add", {Unit("System.pas")}).substr(0, 2), "0|");
    ASSERT_EQ(Run("add", {"--modern", (Dir / "kinds" / "g.pas").string()}).substr(0, 2), "0|");
    EXPECT_EQ(Run("interfaces", {"TFile"}), "0|1\tTFile\tIRead\tG\t{01234567-89AB-CDEF-0123-456789ABCDEF}\n|");
    const std::string file = Run("classes", {"TFile"}).substr(2);
    const std::string id = file.substr(0, file.find('\t')), helper = Run("classes", {"TFileHelper"}).substr(2);
    EXPECT_EQ(Run("members", {"TFile", "--no-methods", "--interfaces", "--helpers"}),
              "0|IRead\t" + id + "\tTFile\t1\t\tinterface\n|") << "the helper's method filtered out as a method";
    EXPECT_EQ(Run("members", {"TFile", "--helpers", "--no-published"}),
              "0|Rewind\t" + helper.substr(0, helper.find('\t')) + "\tTFileHelper\thelper\tPublic\tMethod\n|");
}

TEST_F(DbCommands, AddReadsAWholeTreeOfModernUnits) {
    fs::create_directories(Dir / "tree" / "inc");
    auto write = [&](const std::string& Name, const std::string& Text) {
        std::ofstream(Dir / "tree" / Name, std::ios::binary) << Text;
    };
    write("inc/decl.inc", "  TBase = class(TObject)\n    procedure Go; overload;\n    procedure Go(X: Integer); overload;\n  end;\n");
    write("b.pas", "unit B;\ninterface\ntype\n{$I decl.inc}\nimplementation\nend.\n");
    write("a.pas", "unit A;\ninterface\nuses B;\ntype\n  TA = class(TBase)\n  end;\nimplementation\nend.\n");
    write("c.pas", "unit C;\ninterface\ntype\n  TC = class(TMissing)\n  end;\nimplementation\nend.\n");
    const std::string tree = (Dir / "tree").string();
    EXPECT_EQ(Run("add", {Unit("System.pas")}).substr(0, 2), "0|");
    EXPECT_EQ(Run("add", {"--modern", "--recursive", tree}),
              "1|2\t0\t0\t0\t1\t2 units loaded, 1 did not load\n|" + tree + "/c.pas: Unable to locate ancestor class "
              "TMISSING. The Unit which defines this class must be loaded first.\n");
    // Before any visibility section, without {$M+}: public.
    EXPECT_EQ(Run("members", {"TA", "--no-fields"}),
              "0|Go\t2\tTBase\t2\tPublic\tMethod\nGo\t2\tTBase\t2\tPublic\tMethod\n"
              "Create\t1\tTObject\t3\tPublished\tMethod\nFree\t1\tTObject\t3\tPublished\tMethod\n"
              "ClassName\t1\tTObject\t3\tPublished\tMethod\n|");
    EXPECT_EQ(Run("add", {"--include-tree", tree, (Dir / "tree" / "a.pas").string()}),
              "2||quillmap2-cli: --include-tree needs --modern\n");
}

}  // namespace qm

namespace qm {

// The target and the user's symbols decide which branch of a conditional declares the class.
TEST_F(DbCommands, AddReadsConditionalsForTheTargetAndSymbolsGiven) {
    const std::string unit = (Dir / "cond.pas").string();
    std::ofstream(unit, std::ios::binary) << "unit Cond;\ninterface\ntype\n{$IFDEF FPC}\n  TF = class(TObject) end;\n"
                                             "{$ELSE}\n  TD = class(TObject) end;\n{$ENDIF}\n"
                                             "{$IFDEF EXTRA}\n  TX = class(TObject) end;\n{$ENDIF}\nimplementation\nend.\n";
    EXPECT_EQ(Run("add", {Unit("System.pas")}).substr(0, 2), "0|");
    EXPECT_EQ(Run("add", {"--modern", "--target", "fpc-linux64", "--define", "extra", unit}).substr(0, 2), "0|");
    EXPECT_EQ(Run("classes", {"TF"}).substr(0, 4), "0|2\t");
    EXPECT_EQ(Run("classes", {"TX"}).substr(0, 4), "0|3\t");
    EXPECT_EQ(Run("classes", {"TD"}), "0||");
    EXPECT_EQ(Run("add", {"--target", "fpc-linux64", unit}), "2||quillmap2-cli: --target and --define need --modern\n");
    EXPECT_EQ(Run("add", {"--modern", "--target", "tp7", unit}),
              "2||quillmap2-cli add: no target tp7 (the targets: delphi-win32, delphi-win64, fpc-linux64, fpc-win64)\n");
}

}  // namespace qm

namespace qm {

// refresh: a record for each unit re-read, gone or failed, a summary, and status 1 on a failure.
TEST_F(DbCommands, RefreshReReadsChangedUnitsAndNamesWhatWentWrong) {
    const std::string sys = Unit("System.pas"), cls = Unit("Classes.pas");
    auto unit = [&](const std::string& Name, const std::string& Body) {
        const std::string path = (Dir / (Name + ".pas")).string();
        std::ofstream(path, std::ios::binary) << "unit " << Name << ";\ninterface\nuses Classes;\ntype\n" << Body
                                              << "implementation\nend.\n";
        return path;
    };
    const std::string a = unit("A", "  TA = class(TComponent) end;\n"), b = unit("B", "  TB = class(TComponent) end;\n"),
                      c = unit("C", "  TC = class(TComponent) end;\n");
    ASSERT_EQ(Run("add", {sys, cls, a, b, c}).substr(0, 2), "0|");
    EXPECT_EQ(Run("refresh", {}), "0|5\t0\t0\t0\t5 units checked: 0 re-read\n|");

    unit("A", "\n  TA = class(TComponent)\n    procedure Run;\n  end;\n");
    fs::remove(b);
    unit("C", "  TC = class(TComponent\n");
    const std::string out = Run("refresh", {});
    EXPECT_EQ(out.substr(0, out.find("\tInternal Error")),
              "1|re-read\t3\tA\t" + a + "\ngone\t4\tB\t" + b + "\tThe file " + b + " does not exist\nfailed\t5\tC\t" + c);
    EXPECT_NE(out.find("\n5\t1\t1\t1\t5 units checked: 1 re-read, 1 gone, 1 failed\n|"), std::string::npos) << out;
    // TA keeps its id (4) and has its new member.
    EXPECT_EQ(Run("members", {"TA"}).substr(0, 30), "0|Run\t4\tTA\t1\tPublished\tMethod\n");
    // Named units only; an unknown one is refused before anything is read.
    unit("A", "  TA = class(TComponent) end;\n");
    EXPECT_EQ(Run("refresh", {"c", "1"}).rfind("1|failed\t5\tC\t", 0), 0u);
    EXPECT_EQ(Run("refresh", {"A", "nosuch"}), "1||no unit nosuch\n");
    EXPECT_EQ(Run("refresh", {"A"}), "0|re-read\t3\tA\t" + a + "\n1\t1\t0\t0\t1 units checked: 1 re-read\n|");
}

}  // namespace qm
