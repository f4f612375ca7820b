// The library path command and loads that follow uses clauses: a project file with a relative
// search path and defines, units found on the library path kept in the database.
#include "scratchdir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "dbcmds.h"
#include "installed.h"

namespace fs = std::filesystem;

namespace qm {

namespace {

class LibraryCommands : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ScratchDirName("qm_libcmds_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    // "status|stdout|stderr"; the installed sources the path command lists are left out.
    std::string Run(const std::string& Command, const std::vector<std::string>& Args) {
        std::ostringstream out, err;
        const int status = RunDatabaseCommand((Dir / "q.db").string(), Command, Args, out, err);
        std::istringstream lines(out.str());
        std::string kept;
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("fpc\t", 0) != 0 && line.rfind("lazarus\t", 0) != 0 && line.rfind("delphi\t", 0) != 0) kept += line + "\n";
        return std::to_string(status) + "|" + kept + "|" + err.str();
    }
    std::string Write(const std::string& File, const std::string& Text) {
        const fs::path path = Dir / File;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << Text;
        return path.string();
    }
    std::string Path(const std::string& Name) const { return (Dir / Name).string(); }
    fs::path Dir;
};

// A unit declaring Classes ("TName(TAncestor)") after an interface uses clause.
std::string UnitText(const std::string& Name, const std::string& Uses, const std::string& Body) {
    return "unit " + Name + ";\ninterface\n" + (Uses.empty() ? "" : "uses " + Uses + ";\n") + "type\n" + Body +
           "implementation\nend.\n";
}

}  // namespace

TEST_F(LibraryCommands, ThePathIsKeptInTheDatabaseAndChangedFolderByFolder) {
    fs::create_directories(Dir / "one");
    fs::create_directories(Dir / "two");
    EXPECT_EQ(Run("path", {"--add", Path("one")}), "0|1\t" + Path("one") + "\n|");
    EXPECT_EQ(Run("path", {"--add", Path("two")}), "0|1\t" + Path("one") + "\n2\t" + Path("two") + "\n|");
    EXPECT_EQ(Run("path", {}), "0|1\t" + Path("one") + "\n2\t" + Path("two") + "\n|");
    // Faults are named and change nothing.
    EXPECT_EQ(Run("path", {"--add", Path("one")}), "1||" + Path("one") + " is on the library path already\n");
    EXPECT_EQ(Run("path", {"--add", Path("none")}), "1||" + Path("none") + ": not a folder\n");
    EXPECT_EQ(Run("path", {"--remove", Path("none")}), "1||" + Path("none") + " is not on the library path\n");
    EXPECT_EQ(Run("path", {"--add"}).substr(0, 2), "2|");
    EXPECT_EQ(Run("path", {"--remove", Path("one")}), "0|1\t" + Path("two") + "\n|");
    EXPECT_EQ(Run("path", {"--clear"}), "0||");
}

// The project names only its own folder of units; what they use comes from the library path. Its
// define chooses the branch the compiler reads, in the uses clause and in the class declaration.
TEST_F(LibraryCommands, AProjectLoadsItsUnitsAndWhatTheyUseWithItsDefines) {
    Write("lib/System.pas", UnitText("System", "", "  TObject = class\n  end;\n"));
    Write("lib/QmBase.pas", UnitText("QmBase", "", "  TQmBase = class(TObject)\n  end;\n"));
    Write("lib/QmFast.pas", UnitText("QmFast", "QmBase", "  TQmFast = class(TQmBase)\n  end;\n"));
    Write("lib/QmSlow.pas", UnitText("QmSlow", "QmBase", "  TQmSlow = class(TQmBase)\n  end;\n"));
    Write("proj/src/QmMain.pas",
          UnitText("QmMain", "{$IFDEF FAST}QmFast{$ELSE}QmSlow{$ENDIF}",
                   "{$IFDEF FAST}\n  TQmMain = class(TQmFast)\n{$ELSE}\n  TQmMain = class(TQmSlow)\n{$ENDIF}\n  end;\n"));
    Write("proj/demo.lpr", "program Demo;\nuses QmMain;\nbegin\nend.\n");
    const std::string lpi = Write(
        "proj/demo.lpi",
        "<CONFIG><ProjectOptions><Units><Unit><Filename Value=\"demo.lpr\"/><IsPartOfProject Value=\"True\"/></Unit>"
        "</Units></ProjectOptions><CompilerOptions><SearchPaths><OtherUnitFiles Value=\"src\"/></SearchPaths>"
        "<Other><CustomOptions Value=\"-dFAST\"/></Other></CompilerOptions></CONFIG>");
    ASSERT_EQ(Run("path", {"--add", Path("lib")}).substr(0, 2), "0|");
    // Loaded (with an installed ObjPas, where there is one: its records and interfaces load),
    // already there, without classes, skipped (the program), failed.
    const std::string added = Run("add", {"--project", lpi});
    const int loaded = added.substr(0, 4) == "0|5\t" ? 5 : 4;
    EXPECT_EQ(added.substr(0, 4), "0|" + std::to_string(loaded) + "\t") << added;
    EXPECT_NE(added.find("\t0\t1\t0\t" + std::to_string(loaded) + " units loaded"), std::string::npos) << added;
    const std::string classes = Run("classes", {});
    EXPECT_NE(classes.find("TQmFast"), std::string::npos);
    EXPECT_EQ(classes.find("TQmSlow"), std::string::npos);
    EXPECT_NE(Run("descendants", {"TQmFast"}).find("TQmMain"), std::string::npos);

    // A unit used but found nowhere: named with its user, the rest loads.
    Write("proj/src/QmMore.pas", UnitText("QmMore", "QmGone", "  TQmMore = class(TObject)\n  end;\n"));
    const std::string more = Run("add", {"--follow", Path("proj/src/QmMore.pas")});
    EXPECT_NE(more.find("QmMore uses QmGone: not found on the library path\n"), std::string::npos) << more;
    EXPECT_NE(Run("classes", {"TQmMore"}).find("TQmMore"), std::string::npos);

    // The project's three units go with it, but the System (and ObjPas) it brought in, which
    // TQmMore (added on its own) uses, are no longer its own, and stay.
    EXPECT_EQ(Run("projects", {}), "0|1\tdemo\t" + lpi + "\t3\n|");
    EXPECT_EQ(Run("remove-project", {"demo"}), "0|1\tdemo\t3\n|");
    const std::string left = Run("classes", {});
    for (const char* gone : {"TQmMain", "TQmFast", "TQmBase"}) EXPECT_EQ(left.find(gone), std::string::npos) << gone;
    for (const char* kept : {"TQmMore", "TObject"}) EXPECT_NE(left.find(kept), std::string::npos) << kept;
    EXPECT_EQ(Run("projects", {}), "0||");
    EXPECT_EQ(Run("remove-project", {"demo"}), "1||no project demo\n");
}

// A unit the project brought in that a later load uses stays when the project goes, though
// nothing derives from it: the project takes only what it alone uses.
TEST_F(LibraryCommands, AUnitAnotherLoadUsesStaysWhenTheProjectGoes) {
    Write("lib/System.pas", UnitText("System", "", "  TObject = class\n  end;\n"));
    Write("lib/QmBase.pas", UnitText("QmBase", "", "  TQmBase = class(TObject)\n  end;\n"));
    Write("lib/QmTools.pas", UnitText("QmTools", "", "  TQmTools = class(TObject)\n  end;\n"));
    Write("lib/QmExtra.pas", UnitText("QmExtra", "", "  TQmExtra = class(TObject)\n  end;\n"));
    Write("proj/src/QmMain.pas", UnitText("QmMain", "QmBase, QmTools, QmExtra", "  TQmMain = class(TQmBase)\n  end;\n"));
    const std::string dpr = Write("proj/demo.dpr", "program Demo;\nuses QmMain in 'src\\QmMain.pas';\nbegin\nend.\n");
    Write("other/QmUser.pas", UnitText("QmUser", "QmTools", "  TQmUser = class(TObject)\n    Tools: TQmTools;\n  end;\n"));
    ASSERT_EQ(Run("path", {"--add", Path("lib")}).substr(0, 2), "0|");
    ASSERT_EQ(Run("add", {"--project", dpr}).substr(0, 2), "0|");
    ASSERT_EQ(Run("add", {"--follow", Path("other/QmUser.pas")}).substr(0, 2), "0|");
    // Added without following: only its file says that it uses QmExtra.
    Write("other/QmPlain.pas", UnitText("QmPlain", "QmExtra", "  TQmPlain = class(TObject)\n    Extra: TQmExtra;\n  end;\n"));
    ASSERT_EQ(Run("add", {"--modern", Path("other/QmPlain.pas")}).substr(0, 2), "0|");
    EXPECT_EQ(Run("remove-project", {"Demo"}), "0|1\tDemo\t2\n|");
    const std::string left = Run("classes", {});
    for (const char* gone : {"TQmMain", "TQmBase"}) EXPECT_EQ(left.find(gone), std::string::npos) << gone;
    for (const char* kept : {"TQmTools", "TQmUser", "TObject", "TQmExtra", "TQmPlain"})
        EXPECT_NE(left.find(kept), std::string::npos) << kept;
}

}  // namespace qm

namespace qm {

// The installed LCL through a project file that names only lcl on its path: TForm's whole chain
// up to TObject loads with no unit added by hand.
TEST_F(LibraryCommands, TheInstalledLCLLoadsThroughAProjectFile) {
    const std::string fpc = FindFreePascalSources(), lazarus = FindLazarusSources();
    if (fpc.empty() || lazarus.empty())
        GTEST_SKIP() << "needs Free Pascal's sources (fpc-source, /usr/share/fpcsrc) and Lazarus's (lcl, /usr/lib/lazarus)";
    Write("app/one.lpr", "program One;\n{$mode objfpc}\nuses Forms;\nbegin\nend.\n");
    const std::string lpi = Write("app/one.lpi", "<CONFIG><ProjectOptions><Units><Unit><Filename Value=\"one.lpr\"/>"
                                                 "</Unit></Units></ProjectOptions><CompilerOptions><SearchPaths>"
                                                 "<OtherUnitFiles Value=\"" + lazarus + "/lcl\"/></SearchPaths>"
                                                 "</CompilerOptions></CONFIG>");
    ASSERT_EQ(Run("path", {"--add", fpc}).substr(0, 2), "0|");
    EXPECT_EQ(Run("add", {"--project", lpi, "--widgetset", "nosuch"}), "1||Lazarus at " + lazarus + " has no widgetset nosuch\n");
    EXPECT_EQ(Run("projects", {}), "0||") << "nothing loaded";
    Run("add", {"--project", lpi, "--widgetset", "gtk2"});
    const std::string members = Run("members", {"TForm"});
    for (const char* level : {"\tTCustomForm\t", "\tTWinControl\t", "\tTComponent\t", "\tTObject\t"})
        EXPECT_NE(members.find(level), std::string::npos) << level;
}

}  // namespace qm
