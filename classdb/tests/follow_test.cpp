// Loading by following uses clauses along a library path: a program using units in three folders,
// a unit of one name in two of them, a used unit missing, a cycle of uses between implementation
// sections.
#include <filesystem>

#include "dbfixture.h"
#include "searchpath.h"
#include "treeload.h"
#include "unitparser.h"

namespace qm {

namespace fs = std::filesystem;

namespace {

struct TUnitSpec {
    const char* File;
    const char* InterfaceUses;
    const char* ImplementationUses;
    const char* Classes;  // "TName(TAncestor) ..."
};

// Each unit of the tree, written from the table.
const TUnitSpec Tree[] = {
    {"lib1/Base.pas", "", "", "TBase(TObject)"},
    {"lib2/Base.pas", "", "", "TOtherBase(TObject)"},
    {"lib2/Shapes.pas", "Base", "Colors", "TShape(TBase)"},
    {"lib3/Colors.pas", "Base", "Shapes", "TColorBox(TBase)"},
    {"lib3/Widgets.pas", "Shapes, Missing", "", "TWidget(TShape) TGadget(TMissingThing)"},
    {"lib3/Unused.pas", "", "", "TUnused(TObject)"},
};

class Follow : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        Load("System.pas");
        Db.Dialect = TDialect::Modern;
        for (const TUnitSpec& unit : Tree) WriteUnit(unit);
        fs::create_directories(Dir / "app");
        Write("app/Prog.dpr", "program Prog;\nuses Widgets, Missing, Local in 'sub\\Local.pas';\nbegin\nend.\n");
        WriteUnit({"app/sub/Local.pas", "Colors", "", "TLocal(TColorBox)"});
    }
    void WriteUnit(const TUnitSpec& Unit) {
        fs::create_directories((Dir / Unit.File).parent_path());
        std::string text = "unit " + fs::path(Unit.File).stem().string() + ";\ninterface\n";
        if (*Unit.InterfaceUses) text += std::string("uses ") + Unit.InterfaceUses + ";\n";
        text += "type\n";
        std::string classes = Unit.Classes;
        for (size_t at = 0; at < classes.size();) {
            const size_t end = std::min(classes.find(' ', at), classes.size());
            const std::string item = classes.substr(at, end - at);
            const size_t open = item.find('(');
            text += "  " + item.substr(0, open) + " = class" + item.substr(open) + "\n  end;\n";
            at = end + 1;
        }
        text += "implementation\n";
        if (*Unit.ImplementationUses) text += std::string("uses ") + Unit.ImplementationUses + ";\n";
        Write(Unit.File, text + "end.\n");
    }
    std::string UnitOf(const std::string& Class) {
        return fs::path(Db.GetUnitPath(Db.GetClassUnitID(ClassID(Class)))).lexically_relative(Dir).string();
    }
};

}  // namespace

TEST_F(Follow, AProgramBringsEveryUnitItUsesFromTheFirstFolderThatHasIt) {
    const TUnitResolver resolver(TSearchPath{{(Dir / "lib1").string(), (Dir / "lib2").string(), (Dir / "lib3").string()}});
    TTreeLoader loader(Db);
    const TTreeLoadReport report = loader.LoadFollowing({(Dir / "app/Prog.dpr").string()}, resolver);

    // Base from lib1, the first folder; the cycle Shapes <-> Colors loads; Unused is not read.
    EXPECT_EQ(UnitOf("TBase"), "lib1/Base.pas");
    EXPECT_EQ(UnitOf("TShape"), "lib2/Shapes.pas");
    EXPECT_EQ(UnitOf("TColorBox"), "lib3/Colors.pas");
    EXPECT_EQ(UnitOf("TLocal"), "app/sub/Local.pas");
    EXPECT_EQ(Db.ClassCountByName("TOtherBase"), 0);
    EXPECT_EQ(Db.ClassCountByName("TUnused"), 0);
    EXPECT_EQ(report.Loaded, 4);
    EXPECT_EQ(report.Skipped, 1);  // the program itself

    // The missing unit is named once, with both its users; the unit that needed it names it.
    EXPECT_EQ(report.NotFound, std::vector<std::string>{"Prog, Widgets use Missing: not found on the library path"});
    ASSERT_EQ(report.Failures.size(), 1u);
    EXPECT_EQ(fs::path(report.Failures[0].File).filename(), "Widgets.pas");
    EXPECT_NE(report.Failures[0].Reason.find("TMISSINGTHING"), std::string::npos) << report.Failures[0].Reason;
    EXPECT_NE(report.Failures[0].Reason.find("must be loaded first. It uses MISSING, which is not loaded."), std::string::npos)
        << report.Failures[0].Reason;
    // The copy passed over is named.
    bool named = false;
    for (const auto& note : report.Notes) named |= note.Reason.find("lib2/Base.pas of the same name is passed over") != std::string::npos;
    EXPECT_TRUE(named);

    // Again: everything is there, nothing is read twice.
    const TTreeLoadReport again = loader.LoadFollowing({(Dir / "app/Prog.dpr").string()}, resolver);
    EXPECT_EQ(again.Loaded, 0);
}

}  // namespace qm
