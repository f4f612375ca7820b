// The VCL boundary and removing units with every unit that derives from them.
#include "dbfixture.h"

namespace qm {

namespace {

std::vector<std::string> Texts(const TStringItems& Items) {
    std::vector<std::string> texts;
    for (const TStringItem& i : Items) texts.push_back(i.Text);
    return texts;
}

}  // namespace

TEST_F(DbTest, DependantsFollowEveryClassOfEveryUnitThatGoes) {
    LoadLibrary();
    int a = Load("UserA.pas");
    int b = Load("UserB.pas");  // TMyDerived from A; TUnrelated from TObject
    int c = Load("UserC.pas");  // derives from B's TUnrelated only
    int d = Load("UserD.pas");  // uses A without deriving from it
    TStringItems list;
    Db.CollectDependants(a, list);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{Fixture("UserA.pas"), Fixture("UserB.pas"), Fixture("UserC.pas")}));
    EXPECT_EQ(list[2].ID, c);

    Db.DeleteDependants();
    EXPECT_EQ(Count("select count(*) from UNITS where ID in (" + std::to_string(a) + "," + std::to_string(b) + "," +
                    std::to_string(c) + ")"),
              0);
    EXPECT_EQ(Count("select count(*) from CLASSES where UnitID between " + std::to_string(a) + " and " + std::to_string(c)), 0);
    EXPECT_EQ(Count("select count(*) from MV where UnitID between " + std::to_string(a) + " and " + std::to_string(c)), 0);
    EXPECT_EQ(Db.GetUnitName(d), "UserD");
    // No class is left with an ancestor that is gone.
    EXPECT_EQ(Count("select count(*) from CLASSES where AncestorID <> 0 and AncestorID not in (select ID from CLASSES)"), 0);
    EXPECT_EQ(Db.ClassCountByName("TMyBase"), 0);

    list.clear();
    Db.CollectDependants(d, list);
    EXPECT_EQ(Texts(list), std::vector<std::string>{Fixture("UserD.pas")});
    list.clear();
    Db.CollectDependants(12345, list);
    EXPECT_TRUE(list.empty());
}

TEST_F(DbTest, VCLBoundaryIsTheUnitAfterReport) {
    LoadLibrary();
    TStringItems list;
    EXPECT_EQ(Db.FirstNonVCLUnitID(), NoImpLN);  // no REPORT: everything counts as VCL
    Db.ListNonVCLUnits(list);
    EXPECT_TRUE(list.empty());

    Db.LoadUnit(Write("report.pas", "unit Report;\ntype TReport = class(TComponent) end;\nend.\n"));
    EXPECT_EQ(Db.FirstNonVCLUnitID(), NoImpLN);  // REPORT is the last unit
    Db.RemoveNonVCLUnits();
    EXPECT_EQ(Count("select count(*) from UNITS"), 5);

    int a = Load("UserA.pas");
    Load("UserB.pas");
    EXPECT_EQ(Db.FirstNonVCLUnitID(), a);
    Db.ListNonVCLUnits(list);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{Fixture("UserA.pas"), Fixture("UserB.pas")}));
    Db.GetClassName(ClassID("TMyDerived"));  // cached before the removal
    Db.RemoveNonVCLUnits();
    EXPECT_EQ(Count("select count(*) from UNITS"), 5);
    EXPECT_EQ(Count("select count(*) from CLASSES where UnitID >= " + std::to_string(a)), 0);
    EXPECT_EQ(Count("select count(*) from MV where UnitID >= " + std::to_string(a)), 0);
    EXPECT_EQ(Db.ClassCountByName("TMyDerived"), 0);
}

TEST_F(DbTest, DeleteUnitRangeTakesClassesAndMembers) {
    LoadLibrary();
    int classes = Db.UnitsIDByNameIndex("Classes", 0), controls = Db.UnitsIDByNameIndex("Controls", 0);
    Db.DeleteUnitRange(classes, controls);
    EXPECT_EQ(Count("select count(*) from UNITS"), 2);
    EXPECT_EQ(Count("select count(*) from CLASSES"), 3);  // TObject, TForm, TApplication
    EXPECT_EQ(Count("select count(*) from MV where UnitID between " + std::to_string(classes) + " and " +
                    std::to_string(controls)),
              0);
}

}  // namespace qm
