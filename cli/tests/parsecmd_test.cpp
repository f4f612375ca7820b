// The parse command's output formats: one file, several files, a list file, the summary.
#include "scratchdir.h"
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "parsecmd.h"

namespace fs = std::filesystem;

namespace qm {

namespace {

const std::string Shapes = QM_TESTDATA_DIR "/parser/shapes.pas";

std::string ReadText(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct TRun {
    int Status;
    std::string Out, Err;
};

TRun RunParse(const std::vector<std::string>& Args) {
    std::ostringstream out, err;
    int status = RunParseCommand(Args, out, err);
    return {status, out.str(), err.str()};
}

class ParseCommand : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ScratchDirName("qm_parsecmd_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(Dir);
        Bad = (Dir / "bad.pas").string();
        std::ofstream(Bad, std::ios::binary) << "unit Bad;\ntype TA = class(TB)\n  procedure P Q;\nend;\nend.\n";
    }
    void TearDown() override { fs::remove_all(Dir); }

    fs::path Dir;
    std::string Bad;
};

}  // namespace

TEST_F(ParseCommand, OneFilePrintsItsEvents) {
    TRun r = RunParse({Shapes});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, ReadText(QM_TESTDATA_DIR "/parser/shapes.events"));
    EXPECT_EQ(r.Err, "");

    r = RunParse({Bad});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "class\tTA\tTB\t2\nmethod\tP\t16\t3\n");
    EXPECT_EQ(r.Err, "Internal Error: Unable to find ; in method definition heading - Line 3, Bad\n");
}

TEST_F(ParseCommand, SeveralFilesAndListsMarkEachFile) {
    std::string missing = (Dir / "missing.pas").string();
    std::string expected = "file\t" + Bad + "\nclass\tTA\tTB\t2\nmethod\tP\t16\t3\n" +
                           "error\tInternal Error: Unable to find ; in method definition heading - Line 3, Bad\n" +
                           "file\t" + missing + "\nerror\tCannot open file " + missing + "\n";
    TRun r = RunParse({Bad, missing});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, expected);
    EXPECT_EQ(r.Err, "");

    std::string list = (Dir / "list.txt").string();
    std::ofstream(list, std::ios::binary) << Shapes << "\r\n\n";
    r = RunParse({"--list", list});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "file\t" + Shapes + "\n" + ReadText(QM_TESTDATA_DIR "/parser/shapes.events"));
}

// Files are parsed side by side but told in the order of the list, each with its own events and
// error, and with include files shared by many units read right for each.
TEST_F(ParseCommand, ManyFilesComeOutInTheOrderGiven) {
    std::ofstream(Dir / "common.inc", std::ios::binary) << "TCommon = class(TObject)\n  F: Integer;\nend;\n";
    std::string list, expected;
    for (int i = 0; i < 60; ++i) {
        const std::string file = (Dir / ("u" + std::to_string(i) + ".pas")).string();
        list += file + "\n";
        expected += "file\t" + file + "\n";
        if (i % 7 == 3) {  // missing
            expected += "error\tCannot open file " + file + "\n";
            continue;
        }
        std::ofstream(file, std::ios::binary) << "unit U" << i << ";\ntype\n  T" << i << " = class(TObject)\n  end;\n"
                                              << "{$I common.inc}\nimplementation\nend.\n";
        expected += "class\tT" + std::to_string(i) + "\tTObject\t3\t\t\nclass\tTCommon\tTObject\t1\t" +
                    (Dir / "common.inc").string() + "\t\nfield\tF\t16\t2\t" + (Dir / "common.inc").string() +
                    "\t\n";
    }
    std::ofstream(Dir / "list.txt", std::ios::binary) << list;
    TRun r = RunParse({"--modern", "--list", (Dir / "list.txt").string()});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, expected);
}

TEST_F(ParseCommand, SummaryCountsOutcomes) {
    TRun r = RunParse({"--summary", Shapes, Bad, Bad, (Dir / "missing.pas").string()});
    EXPECT_EQ(r.Status, 1);
    size_t shapesEvents = 0;
    for (char c : ReadText(QM_TESTDATA_DIR "/parser/shapes.events")) shapesEvents += c == '\n';
    size_t bytes = fs::file_size(Shapes) + 2 * fs::file_size(Bad);
    EXPECT_NE(r.Out.find("files\t4\nbytes\t" + std::to_string(bytes) + "\nevents\t" +
                         std::to_string(shapesEvents + 4) + "\nseconds\t"),
              std::string::npos)
        << r.Out;
    EXPECT_NE(r.Out.find("\nparsed\t1\nfailed\t2\tUnable to find ; in method definition heading\nfailed\t1\tCannot open file "),
              std::string::npos)
        << r.Out;
}

// Folders, FIFOs and other files that are not regular files are refused before a byte is read:
// no endless allocation, no wait for a writer, no silent success. These and missing files fail
// with their name, as units and as lists alike.
TEST_F(ParseCommand, OnlyRegularFilesAreRead) {
    const std::string fifo = (Dir / "fifo.pas").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {Dir.string(), fifo, (Dir / "none.txt").string()}) {
        SCOPED_TRACE(path);
        TRun one = RunParse({path});
        EXPECT_EQ(one.Status, 1);
        EXPECT_EQ(one.Err, "Cannot open file " + path + "\n");
        TRun list = RunParse({"--list", path});
        EXPECT_EQ(list.Status, 1);
        EXPECT_EQ(list.Err, "Cannot open file " + path + "\n");
    }
}

TEST_F(ParseCommand, UsageErrors) {
    EXPECT_EQ(RunParse({}).Status, 2);
    EXPECT_EQ(RunParse({"--list"}).Status, 2);
    EXPECT_EQ(RunParse({"--modern", "--include-tree"}).Status, 2);
    EXPECT_EQ(RunParse({"--include-tree", Dir.string(), Shapes}).Status, 2);  // only the modern dialect includes
    EXPECT_EQ(RunParse({"--target", "fpc-linux64", Shapes}).Status, 2);      // only the modern dialect has targets
    EXPECT_EQ(RunParse({"--modern", "--define"}).Status, 2);
    const TRun unknown = RunParse({"--modern", "--target", "turbo-dos", Shapes});
    EXPECT_EQ(unknown.Status, 2);
    EXPECT_EQ(unknown.Err, "parse: no target turbo-dos (the targets: delphi-win32, delphi-win64, fpc-linux64, fpc-win64)\n");
}

// --target and --define decide which branches of the unit's conditionals are read.
TEST_F(ParseCommand, TargetAndDefinesChooseTheBranches) {
    const std::string unit = (Dir / "c.pas").string();
    std::ofstream(unit, std::ios::binary) << "unit C;\ntype\n{$IFDEF FPC}\n  TF = class end;\n{$ELSE}\n"
                                             "  TD = class end;\n{$ENDIF}\n{$IFDEF EXTRA}\n  TX = class end;\n{$ENDIF}\n";
    EXPECT_EQ(RunParse({"--modern", unit}).Out, "class\tTD\tTObject\t6\t\t\n");
    EXPECT_EQ(RunParse({"--modern", "--target", "FPC-Linux64", "--define", "Extra", unit}).Out,
              "class\tTF\tTObject\t4\t\t\nclass\tTX\tTObject\t9\t\t\n");
}

// --modern: the events carry the include file they come from, strict visibility, interfaces and
// parameter types; include files are found beside the unit, or under an --include-tree folder.
TEST_F(ParseCommand, ModernDialectOutput) {
    fs::create_directories(Dir / "unit" );
    fs::create_directories(Dir / "tree" / "inc");
    const std::string unit = (Dir / "unit" / "m.pas").string();
    const std::string beside = (Dir / "unit" / "fields.inc").string(), far = (Dir / "tree" / "inc" / "far.inc").string();
    std::ofstream(unit, std::ios::binary) << "unit M;\ntype\n  TM = class(TB, IX)\n  strict private\n{$I fields}\n"
                                             "    procedure P(A: Integer); overload;\n  end;\n{$I far.inc}\nend.\n";
    std::ofstream(beside, std::ios::binary) << "    F: Integer;\n";
    std::ofstream(far, std::ios::binary) << "\nprocedure TM.P(A: Integer);\nbegin end;\n";

    // A missing include file outside the class is passed over, named in a warning.
    TRun r = RunParse({"--modern", unit});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "class\tTM\tTB\t3\t\tIX\nfield\tF\t128\t1\t" + beside + "\tstrict\n"
                     "method\tP\t128\t6\t\tstrict\t(INTEGER)\nwarning\tInclude file not found: far.inc - Line 8, M\n");
    EXPECT_EQ(r.Err, "");

    r = RunParse({"--modern", "--include-tree", (Dir / "tree").string(), unit});
    EXPECT_EQ(r.Status, 0);
    EXPECT_NE(r.Out.find("\nimplementation\tTM\tP\t2\t" + far + "\t(INTEGER)\n"), std::string::npos) << r.Out;
    EXPECT_EQ(r.Err, "");
}

// A unit that fails in the default dialect but that the modern one reads says so, in each form
// of output; a unit that neither reads gets no hint.
TEST_F(ParseCommand, DefaultDialectHintsAtModern) {
    const std::string modern = (Dir / "modern.pas").string();
    std::ofstream(modern, std::ios::binary) << "unit Modern;\ntype TA = class(TB)\n  procedure P; overload;\nend;\nend.\n";
    const std::string hint =
        "This unit uses modern Object Pascal: turn on \"Read modern Object Pascal\" in Configuration, or use --modern";

    TRun r = RunParse({modern});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err, "Internal Error: Unable to find : in field definition - Line 4, Modern\n" + hint + "\n");
    r = RunParse({modern, Bad});
    EXPECT_NE(r.Out.find("- Line 4, Modern\nhint\t" + hint + "\nfile\t"), std::string::npos) << r.Out;
    EXPECT_EQ(r.Out.find("Line 3, Bad\nhint"), std::string::npos) << r.Out;
    r = RunParse({"--summary", modern, Bad, Shapes});
    EXPECT_NE(r.Out.find("\nmodern\t1\t" + hint + "\n"), std::string::npos) << r.Out;
    EXPECT_EQ(RunParse({"--modern", modern}).Status, 0);
}

}  // namespace qm
