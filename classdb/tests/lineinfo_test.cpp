// The line context of a line, and what a double-clicked word resolves to.
#include "dbfixture.h"

namespace qm {

namespace {

std::string Describe(const TLineInfoRec& Info) {
    return std::to_string(int(Info.Kind)) + " " + Info.ClassName + "." + Info.MemberName;
}

}  // namespace

TEST_F(DbTest, LineContextKinds) {
    LoadLibrary();
    struct Case {
        const char* Unit;
        int Line;
        const char* Context;
    } cases[] = {
        {"Controls", 1, "5 TControl."},         // above every class: the unit's first class
        {"Controls", 8, "0 TControl."},         // the class heading
        {"Controls", 9, "4 TControl."},         // inside the class, no implementation above
        {"Controls", 12, "3 TControl.Click"},   // a member's declaration
        {"Controls", 20, "4 TControl."},        // after the class, before any implementation
        {"Controls", 23, "1 TControl.Click"},   // an implementation heading
        {"Controls", 24, "2 TControl.Click"},   // inside the method
        {"Controls", 33, "2 TControl.Assign"},  // under a heading that matched no member
        {"Forms", 14, "4 TApplication."},
        {"Forms", 22, "2 TForm.Click"},         // the member's class, not the class above
        {"Forms", 27, "2 TApplication.Run"},
        {"Order", 12, "0 TA."},                 // a unit whose members have no implementation
        {"Order", 13, "3 TA.FA"},
        {"Order", 15, "4 TA."},
    };
    Load("Order.pas");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Unit) + " " + std::to_string(c.Line));
        Db.CurrentUnitID = Db.UnitsIDByNameIndex(c.Unit, 0);
        TLineInfoRec info;
        info.Found = true;
        Db.GetLineInfo(c.Line, info);
        EXPECT_EQ(Describe(info), c.Context);
        EXPECT_EQ(info.UnitID, Db.CurrentUnitID);
        EXPECT_FALSE(info.Found);
        EXPECT_EQ(info.LineNumber, 0);
    }
    Db.CurrentUnitID = 0;
    TLineInfoRec info;
    EXPECT_EQ(VCLDBErrorOf([&] { Db.GetLineInfo(1, info); }), "4: Internal Error: Unknown UnitID 0");
}

TEST_F(DbTest, ResolveIdentifierOrderOfPreference) {
    LoadLibrary();
    Db.LoadUnit(Fixture("dupe1/Shared.pas"));
    Db.LoadUnit(Fixture("dupe2/Shared2.pas"));
    Load("Picker.pas");
    struct Case {
        const char* Unit;
        int Line;
        const char* Word;
        const char* Target;  // unit, line, class.member, or "ambiguous" / "nothing"
    } cases[] = {
        {"Forms", 22, "CLICK", "Forms 20 TForm.Click"},         // a method: its implementation
        {"Forms", 20, "CLICK", "Forms 10 TForm.Click"},         // on its heading: the declaration
        {"Forms", 22, "CAPTION", "Controls 16 TControl.Caption"},  // up the ancestors, as stored
        {"Forms", 22, "LOADED", "Classes 39 TComponent.Loaded"},
        {"Forms", 22, "REFRESH", "Controls 18 TControl.Refresh"},  // no implementation line
        {"Forms", 22, "TCONTROL", "Controls 8 TControl."},      // a class name beats members
        {"Forms", 22, "BEGIN", "nothing"},
        {"Forms", 22, "TSHARED", "ambiguous"},
        {"Picker", 8, "TSHARED", "Shared 8 TShared."},          // the ancestor of the class around
        {"Shared2", 8, "TSHARED", "Shared 8 TShared."},         // the class around: the first of the name
        {"Forms", 22, "INHERITED", "Controls 8 TControl."},     // the ancestor of the class around
        {"Forms", 10, "OVERRIDE", "Controls 23 TControl.Click"},  // the overridden member's implementation
        {"Forms", 22, "OVERRIDE", "Controls 23 TControl.Click"},
        {"Controls", 12, "OVERRIDE", "none above TComponent"},  // no ancestor has the member
        {"System", 6, "INHERITED", "nothing"},                   // TObject has no ancestor
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Unit) + " " + std::to_string(c.Line) + " " + c.Word);
        Db.CurrentUnitID = Db.UnitsIDByNameIndex(c.Unit, 0);
        TLineInfoRec info;
        Db.ResolveIdentifier(c.Word, c.Line, info);
        std::string target = info.Ambiguous                     ? "ambiguous"
                             : !info.Found && info.Keyword && info.ClassID ? "none above " + info.ClassName
                             : !info.Found                                 ? "nothing"
                                            : Db.GetUnitName(info.UnitID) + " " + std::to_string(info.LineNumber) +
                                                 " " + info.ClassName + "." + info.MemberName;
        EXPECT_EQ(target, c.Target);
        if (info.Ambiguous) {
            EXPECT_EQ(info.ClassName, c.Word);
            EXPECT_EQ(info.ClassID, 0);
        }
    }
}

}  // namespace qm
