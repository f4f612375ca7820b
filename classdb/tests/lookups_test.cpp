// Cached lookups: statements re-run only on a new key, the numbered errors, the ancestor
// walk, the short unit name, and that no lookup scans a whole table.
#include <SQLiteCpp/Database.h>

#include "dbfixture.h"

namespace qm {


TEST_F(DbTest, LookupsRunTheirStatementOncePerKey) {
    LoadLibrary();
    int form = ClassID("TForm"), control = ClassID("TControl");
    int runs = Db.LookupRunCount(TVCLDB::TLookup::Classes);
    Db.GetClassName(form);
    Db.GetAncestorID(form);
    Db.GetClassLine(form);
    EXPECT_EQ(Db.LookupRunCount(TVCLDB::TLookup::Classes), runs + 1);
    Db.GetClassName(control);
    EXPECT_EQ(Db.LookupRunCount(TVCLDB::TLookup::Classes), runs + 2);

    // Names compare without regard to case, for the cache as for the answer.
    runs = Db.LookupRunCount(TVCLDB::TLookup::ClassesByName);
    EXPECT_EQ(Db.ClassCountByName("tform"), 1);
    EXPECT_EQ(Db.ClassCountByName("TFORM"), 1);
    EXPECT_EQ(Db.LookupRunCount(TVCLDB::TLookup::ClassesByName), runs + 1);

    runs = Db.LookupRunCount(TVCLDB::TLookup::Members);
    EXPECT_EQ(Db.GetMemberName(control, "caption"), "Caption");
    EXPECT_EQ(Db.GetMemberFlags(control, "CAPTION"), 18);
    EXPECT_EQ(Db.LookupRunCount(TVCLDB::TLookup::Members), runs + 1);
    // A missing member closes the query, so asking again runs it again.
    EXPECT_EQ(VCLDBErrorOf([&] { Db.LocateMember(control, "Nope"); }),
              "3: Internal Error: Unknown ClassID or MVName " + std::to_string(control) + ", Nope");
    EXPECT_THROW(Db.LocateMember(control, "Nope"), EVCLDBError);
    EXPECT_EQ(Db.LookupRunCount(TVCLDB::TLookup::Members), runs + 3);
}

// A class's place is its declaration; a member's is its implementation, else its declaration
// (the lines of the Controls fixture: Click is implemented at 23, Caption only declared at 16).
TEST_F(DbTest, PlacesOfClassesAndMembers) {
    LoadLibrary();
    const int control = ClassID("TControl");
    const int controls = Db.GetClassUnitID(control);
    EXPECT_EQ(Db.ClassPlace(control), (TPlace{controls, 8}));
    EXPECT_EQ(Db.MemberPlace(control, "Click"), (TPlace{controls, 23}));
    EXPECT_EQ(Db.MemberPlace(control, "caption"), (TPlace{controls, 16}));
    EXPECT_THROW(Db.MemberPlace(control, "Nothing"), EVCLDBError);
}

TEST_F(DbTest, FailedLookupsRaiseTheirNumbers) {
    LoadLibrary();
    std::string errors[] = {
        VCLDBErrorOf([&] { Db.GetClassName(999); }),
        VCLDBErrorOf([&] { Db.GetUnitPath(999); }),
        VCLDBErrorOf([&] { Db.OpenUnitClassesByLine(999); }),
        VCLDBErrorOf([&] { Db.ClassesIDByNameIndex("TForm", 1); }),
        VCLDBErrorOf([&] { Db.UnitsIDByNameIndex("Forms", 1); }),
        VCLDBErrorOf([&] { Db.UnitsIDByNameIndex("Nowhere", 0); }),
    };
    EXPECT_EQ(errors[0], "1: Internal Error: Unknown ClassID 999");
    EXPECT_EQ(errors[1], "2: Internal Error: Unknown UnitID 999");
    EXPECT_EQ(errors[2], "4: Internal Error: Unknown UnitID 999");
    EXPECT_EQ(errors[3], "7: Internal Error: Invalid Index 1 to ClassesIDByNameIndex");
    EXPECT_EQ(errors[4], "8: Internal Error: Invalid Index 1 to UnitsIDByNameIndex");
    EXPECT_EQ(errors[5], "8: Internal Error: Invalid Index 0 to UnitsIDByNameIndex");
    EXPECT_TRUE(Db.OpenUnitMembersByIntLN(999).empty());
}

TEST_F(DbTest, FindMemberClassClimbsTheAncestors) {
    LoadLibrary();
    int form = ClassID("TForm");
    EXPECT_EQ(Db.FindMemberClass(form, "Click"), form);
    EXPECT_EQ(Db.FindMemberClass(form, "caption"), ClassID("TControl"));
    EXPECT_EQ(Db.FindMemberClass(form, "Name"), ClassID("TComponent"));
    EXPECT_EQ(Db.FindMemberClass(form, "Free"), ClassID("TObject"));
    EXPECT_EQ(Db.FindMemberClass(form, "Nobody"), 0);
    int runs = Db.LookupRunCount(TVCLDB::TLookup::Classes) + Db.LookupRunCount(TVCLDB::TLookup::Members);
    EXPECT_EQ(Db.FindMemberClass(0, "Free"), 0);
    EXPECT_EQ(Db.LookupRunCount(TVCLDB::TLookup::Classes) + Db.LookupRunCount(TVCLDB::TLookup::Members), runs);
}

TEST_F(DbTest, NameLookupsListSameNamedRowsInLoadOrder) {
    LoadLibrary();
    int first = Db.LoadUnit(Fixture("dupe1/Shared.pas"));
    int second = Db.LoadUnit(Write("shared.pas", "unit Shared;\ntype TShared = class(TObject) end;\nend.\n"));
    EXPECT_EQ(Db.UnitCountByName("SHARED"), 2);
    EXPECT_EQ(Db.UnitsIDByNameIndex("shared", 0), first);
    EXPECT_EQ(Db.UnitsIDByNameIndex("shared", 1), second);
    EXPECT_EQ(Db.ClassCountByName("tshared"), 2);
    EXPECT_EQ(Db.GetClassUnitID(Db.ClassesIDByNameIndex("TShared", 1)), second);
}

TEST(ShortUnitName, KeepsTheLastDirectoryAndDropsTheExtension) {
    struct Case {
        const char* Path;
        const char* Short;
    } cases[] = {
        {"C:\\DELPHI\\SOURCE\\VCL\\FORMS.PAS", "...\\VCL\\FORMS"},
        {"C:\\FORMS.PAS", "...C:\\FORMS"},
        {"/usr/share/delphi2/SOURCE/VCL/Forms.pas", ".../VCL/Forms"},
        {"D:\\Src\\My.Units\\Grids.pas", "...\\My"},
        {"Forms", "...Forms"},
    };
    for (const Case& c : cases) EXPECT_EQ(ShortUnitName(c.Path), c.Short) << c.Path;
}

TEST_F(DbTest, LookupStatementsUseIndexes) {
    const char* statements[] = {
        "select * from CLASSES where ID = 1",
        "select * from UNITS where ID = 1",
        "select * from MV where ClassID = 1 and upper(Name) = 'X' order by rowid",
        "select * from CLASSES where UnitID = 1 order by IntLN desc, ID",
        "select MV.* from CLASSES join MV on MV.ClassID = CLASSES.ID where CLASSES.UnitID = 1 "
        "order by MV.IntLN desc, MV.rowid",
        "delete from MV where ClassID in (select ID from CLASSES where UnitID between 1 and 2)",
        "select * from UNITS where upper(Name) = 'X' order by ID",
        "select * from CLASSES where upper(Name) = 'X' order by ID",
        "select 1 from UNITS where upper(Path) = 'X'",
        "select 1 from UNITS where Path = 'x'",
        "select * from MV where upper(Name) = 'X' order by ClassID, rowid",
        "select * from MV where ClassID = 1 order by rowid",
        "select * from CLASSES where AncestorID = 1",
    };
    SQLite::Database db(DbPath, SQLite::OPEN_READONLY);
    for (const char* sql : statements) {
        SQLite::Statement plan(db, std::string("explain query plan ") + sql);
        while (plan.executeStep()) {
            std::string step = plan.getColumn(3).getString();
            EXPECT_EQ(step.rfind("SCAN", 0), std::string::npos) << sql << ": " << step;
        }
    }
}

}  // namespace qm
