// The parse command's output formats: one file, several files, a list file, the summary.
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
              ("qm_parsecmd_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
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
}

}  // namespace qm
