// Loading whole trees when some files are bad: a unit that cannot be read or parsed, a file far
// too large to be a unit, two units of one name in two folders.
#include <filesystem>
#include <fstream>

#include "dbfixture.h"
#include "treeload.h"
#include "unitparser.h"

namespace qm {

namespace fs = std::filesystem;

namespace {

class TreeLoad : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        Load("System.pas");
        Db.Dialect = TDialect::Modern;
    }
    // A unit declaring one class TName derived from Ancestor, using Uses (when not empty).
    std::string WriteUnit(const std::string& File, const std::string& Uses = "", const std::string& Ancestor = "TObject") {
        const std::string name = fs::path(File).stem().string();
        fs::create_directories((Dir / File).parent_path());
        return Write(File, "unit " + name + ";\ninterface\n" + (Uses.empty() ? "" : "uses " + Uses + ";\n") + "type\n  T" +
                               name + " = class(" + Ancestor + ")\n  end;\nimplementation\nend.\n");
    }
    std::string Path(const std::string& File) const { return (Dir / File).string(); }
    // The unit file that declares the ancestor of class Name.
    std::string AncestorFile(const std::string& Name) {
        return Db.GetUnitPath(Db.GetClassUnitID(Db.GetAncestorID(ClassID(Name))));
    }
    // Bytes no one wrote as Pascal, the same on every run.
    static std::string Noise(size_t Size) {
        std::string bytes(Size, 0);
        uint32_t state = 12345;
        for (char& c : bytes) c = char((state = state * 1103515245 + 12345) >> 16);
        return bytes;
    }
};

// A sparse file of Size bytes: it costs no disk, only a reader that takes it whole pays.
void MakeSparse(const std::string& Path, uintmax_t Size) {
    std::ofstream(Path, std::ios::binary) << "unit Big;\ninterface\n";
    fs::resize_file(Path, Size);
}

}  // namespace

// A unit cut off inside a comment, and one overwritten after the tree was looked at with a class
// that runs into noise: each is a failure named with its reason, and every other unit of the
// batch is stored.
TEST_F(TreeLoad, AUnitThatCannotBeReadOrParsedIsReportedAndTheLoadGoesOn) {
    const std::vector<std::string> files = {WriteUnit("A1.pas"), WriteUnit("C1.pas"), WriteUnit("N1.pas"),
                                            Write("Trunc.pas", "unit Trunc;\ninterface\n{ cut off")};
    TTreeLoader loader(Db);
    bool overwritten = false;
    loader.OnUnit = [&](int, int) {
        if (!overwritten)
            std::ofstream(Path("N1.pas"), std::ios::binary) << "unit N1;\ninterface\ntype\n  TN1 = class(TObject)\n  '" + Noise(4096);
        overwritten = true;
    };
    const TTreeLoadReport report = loader.Load(files);
    EXPECT_EQ(report.Loaded, 2);
    ASSERT_EQ(report.Failures.size(), 2u);
    EXPECT_EQ(report.Failures[0].File, Path("N1.pas"));
    EXPECT_EQ(report.Failures[1].File, Path("Trunc.pas"));
    EXPECT_EQ(report.Failures[1].Reason, "Stream read error");
    EXPECT_EQ(report.Summary(), "2 units loaded, 2 did not load");
    TVCLDB other;
    other.OpenDatabase(DbPath);
    EXPECT_EQ(other.ClassCountByName("TA1") + other.ClassCountByName("TC1"), 2) << "committed";
}

// A unit or include file far larger than any Pascal source is refused by its size before a byte
// of it is read; the rest of the tree loads.
TEST_F(TreeLoad, AFileTooLargeToBeAUnitIsRefusedBeforeItIsRead) {
    const uintmax_t huge = uintmax_t(30) << 30;
    MakeSparse(Path("Big.pas"), huge);
    MakeSparse(Path("big.inc"), huge);
    const std::vector<std::string> files = {
        WriteUnit("A1.pas"), Path("Big.pas"),
        Write("Inc.pas", "unit Inc;\ninterface\ntype\n{$I big.inc}\n  TInc = class(TObject)\n  end;\nimplementation\nend.\n")};
    TTreeLoader loader(Db);
    const TTreeLoadReport report = loader.Load(files);
    EXPECT_EQ(report.Loaded, 1);
    ASSERT_EQ(report.Failures.size(), 2u);
    EXPECT_EQ(report.Failures[0].File, Path("Big.pas"));
    EXPECT_EQ(report.Failures[0].Reason, Path("Big.pas") + " is too large (30720 MB) to be a Pascal unit");
    EXPECT_EQ(report.Failures[1].File, Path("Inc.pas"));
    EXPECT_EQ(report.Failures[1].Reason, Path("big.inc") + " is too large (30720 MB) to be a Pascal unit");
    // Just over the limit is refused too; the limit itself is not the point of the test.
    MakeSparse(Path("Over.pas"), (64 << 20) + 1);
    EXPECT_EQ(loader.Load({Path("Over.pas")}).Failures.at(0).Reason,
              Path("Over.pas") + " is too large (65 MB) to be a Pascal unit");
}

// Two units named Base in two folders, both declaring TBase: each user takes the Base of its own
// folder, else the one of the folder given first, whatever order the files load in; the report
// names the choice.
TEST_F(TreeLoad, AUsesClauseTakesTheUnitOfItsOwnFolderThenOfTheFoldersInTheirOrder) {
    WriteUnit("a/Base.pas", "", "TObject");
    WriteUnit("b/Base.pas", "", "TObject");
    WriteUnit("a/Kid.pas", "Base", "TBase");
    WriteUnit("b/Other.pas", "Base", "TBase");
    WriteUnit("c/Far.pas", "Base", "TBase");
    for (const std::vector<std::string>& folders : {std::vector<std::string>{Path("b"), Path("a"), Path("c")},
                                                    std::vector<std::string>{Path("a"), Path("b"), Path("c")}}) {
        SCOPED_TRACE(folders[0]);
        Db.OpenDatabase((Dir / (fs::path(folders[0]).filename().string() + ".db")).string());
        Load("System.pas");
        TTreeLoader loader(Db);
        const TTreeLoadReport report = loader.Load(FindUnitFiles(folders, true), folders);
        EXPECT_EQ(report.Loaded, 5);
        EXPECT_EQ(AncestorFile("TKid"), Path("a/Base.pas"));
        EXPECT_EQ(AncestorFile("TOther"), Path("b/Base.pas"));
        EXPECT_EQ(AncestorFile("TFar"), folders[0] + "/Base.pas");
        std::vector<std::string> notes;
        for (const TTreeLoadReport::TFailure& note : report.Notes) notes.push_back(note.Reason);
        EXPECT_EQ(notes, (std::vector<std::string>{
                             "2 units share the name Base: " + Path("a/Kid.pas") + " uses " + Path("a/Base.pas"),
                             "2 units share the name Base: " + Path("b/Other.pas") + " uses " + Path("b/Base.pas"),
                             "2 units share the name Base: " + Path("c/Far.pas") + " uses " + folders[0] + "/Base.pas"}));
    }
    // One at a time, without a tree: the unit's own folder still comes first.
    Db.OpenDatabase((Dir / "single.db").string());
    Load("System.pas");
    for (const char* unit : {"a/Base.pas", "b/Base.pas", "a/Kid.pas"}) Db.LoadUnit(Path(unit));
    EXPECT_EQ(AncestorFile("TKid"), Path("a/Base.pas"));
}

}  // namespace qm
