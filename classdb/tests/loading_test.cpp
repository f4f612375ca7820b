// Loading units: the rows written, ancestor resolution, implementation lines, and every way a
// load is refused without leaving a trace.
#include <SQLiteCpp/Database.h>

#include <cstdio>

#include "dbfixture.h"
#include "unitparser.h"

namespace qm {

TEST_F(DbTest, LoadWritesUnitsClassesAndMembers) {
    int progress = 0;
    Db.OnProgress = {[](void* n, TVCLDB&) { ++*static_cast<int*>(n); }, &progress};
    LoadLibrary();
    EXPECT_EQ(Count("select count(*) from UNITS"), 4);
    EXPECT_EQ(Count("select count(*) from CLASSES"), 6);
    // 6 classes announced, and 11 implementation headings matched (TControl.refresh is not).
    EXPECT_EQ(progress, 6 + 11);

    int object = ClassID("TObject"), control = ClassID("TControl");
    EXPECT_EQ(Db.GetAncestorID(object), 0);
    EXPECT_EQ(Db.GetAncestorID(ClassID("TPersistent")), object);
    EXPECT_EQ(Db.GetClassLine(control), 8);
    EXPECT_EQ(Db.GetUnitName(Db.GetClassUnitID(control)), "Controls");
    EXPECT_EQ(Db.GetUnitPath(Db.GetClassUnitID(control)), Fixture("Controls.pas"));

    struct Member {
        const char* Name;
        int Flags, IntLN, ImpLN;
    } members[] = {
        {"FCaption", 128 + 4, 10, NoImpLN}, {"Click", 64 + 1, 12, 23},    {"Assign", 32 + 1, 14, 27},
        {"Caption", 16 + 2, 16, NoImpLN},   {"Refresh", 256 + 1, 18, NoImpLN},  // heading spelt "refresh"
    };
    for (const Member& m : members) {
        SCOPED_TRACE(m.Name);
        EXPECT_EQ(Db.GetMemberFlags(control, m.Name), m.Flags);
        EXPECT_EQ(Db.GetMemberIntLN(control, m.Name), m.IntLN);
        EXPECT_EQ(Db.GetMemberTargetLine(control, m.Name), m.ImpLN == NoImpLN ? m.IntLN : m.ImpLN);
    }
    EXPECT_EQ(Count("select count(*) from MV where ImpLN = 2147483647 and Flags & 1 = 0"),
              Count("select count(*) from MV where Flags & 1 = 0"));
}

TEST_F(DbTest, AncestorsDeclaredLaterInTheUnitAreInsertedFirst) {
    LoadLibrary();
    Load("Order.pas");
    int a = ClassID("TA"), b = ClassID("TB");
    EXPECT_LT(a, b);
    EXPECT_EQ(Db.GetAncestorID(b), a);
    EXPECT_EQ(Db.GetAncestorID(a), ClassID("TComponent"));
    EXPECT_EQ(Db.FindMemberClass(b, "FB"), b);  // members follow their class, whatever the order
}

TEST_F(DbTest, AmongSameNamedAncestorsTheUnitUsedLastWins) {
    LoadLibrary();
    int first = Db.LoadUnit(Fixture("dupe1/Shared.pas"));
    Db.LoadUnit(Fixture("dupe2/Shared2.pas"));
    // uses Shared2, Shared: Shared is named later. The implementation's uses clause comes after
    // the class and does not count.
    Load("Picker.pas");
    EXPECT_EQ(Db.GetClassUnitID(Db.GetAncestorID(ClassID("TPick"))), first);

    // Named in no uses list: a class of the unit itself is the ancestor, or the load fails.
    Write("local.pas", "unit Local;\ntype\n  TShared = class(TComponent) end;\n  TMine = class(TShared) end;\nend.\n");
    Db.LoadUnit((Dir / "local.pas").string());
    EXPECT_EQ(Db.GetClassUnitID(Db.GetAncestorID(Db.ClassesIDByNameIndex("TMine", 0))),
              Db.GetClassUnitID(Db.ClassesIDByNameIndex("TShared", 2)));
    std::string orphan = Write("orphan.pas", "unit Orphan;\ntype\n  TMine2 = class(TShared) end;\nend.\n");
    EXPECT_EQ(VCLDBErrorOf([&] { Db.LoadUnit(orphan); }),
              "0: Unable to locate ancestor class TSHARED.\rThe Unit which defines this class must be loaded first.");
}

TEST_F(DbTest, RefusedLoadsWriteNothing) {
    LoadLibrary();
    const int units = Count("select count(*) from UNITS");
    const std::string missing = (Dir / "missing.pas").string();
    struct Case {
        std::string Path;
        std::string Error;
    } cases[] = {
        {missing, "9: Unable to locate unit: " + missing},
        {Fixture("Forms.pas"), "0: The Unit \"" + Fixture("Forms.pas") + "\" has already been added"},
        {Write("noclass.pas", "unit NoClass;\nconst X = 1;\nend.\n"),
         "0: " + (Dir / "noclass.pas").string() + " has no class definitions and will not be loaded"},
        {Write("ghost.pas", "unit Ghost;\ntype\n  TA = class(TGhost) end;\nend.\n"),
         "0: Unable to locate ancestor class TGHOST.\rThe Unit which defines this class must be loaded first."},
        // a cycle within the unit, after a class that is fine and one that derives from the cycle
        {Write("cycle.pas", "unit Cycle;\ntype\n  TOk = class(TObject) end;\n  TOut = class(TOne) end;\n"
                            "  TOne = class(TTwo) end;\n  TTwo = class(tone) end;\nend.\n"),
         "0: Unable to locate ancestor class TTWO.\rThe Unit which defines this class must be loaded first."},
        {Write("self.pas", "unit Self;\ntype\n  TSelf = class(TSelf) end;\nend.\n"),
         "0: Unable to locate ancestor class TSELF.\rThe Unit which defines this class must be loaded first."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Path);
        EXPECT_EQ(VCLDBErrorOf([&] { Db.LoadUnit(c.Path); }), c.Error);
    }
    // Parser and file errors pass through as they are.
    std::string broken = Write("broken.pas", "unit Broken;\ntype\n  TA = class(TObject)\n  procedure P Q;\nend;\nend.\n");
    EXPECT_THROW(Db.LoadUnit(broken), EUnitParserError);
    std::string open = Write("open.pas", "unit Open;\ntype TA = class(TObject) end;\n{ never closed");
    EXPECT_THROW(Db.LoadUnit(open), EReadError);
    std::string huge = Write("huge.pas", "unit Huge;\ntype\n  T" + std::string(200'000, 'x') + " = class(TObject) end;\nend.\n");
    EXPECT_THROW(Db.LoadUnit(huge), EUnitParserError);
    EXPECT_EQ(Count("select count(*) from UNITS"), units);
    EXPECT_EQ(Count("select count(*) from CLASSES where UnitID > (select max(ID) from UNITS)"), 0);
}

// A unit that only the modern dialect reads is refused by the Delphi 2.0 rules with the parser's
// message and the way to read it; a unit broken for both gets the parser's message alone.
TEST_F(DbTest, AUnitOfModernObjectPascalSaysWhereToTurnItsRulesOn) {
    LoadLibrary();
    const std::string modern = Write("modern.pas", "unit Modern;\ntype\n  TA = class(TObject)\n"
                                                   "    procedure P(X: Integer); overload;\n"
                                                   "    procedure P(S: string); overload;\n  end;\nimplementation\nend.\n");
    try {
        Db.LoadUnit(modern);
        ADD_FAILURE() << "loaded";
    } catch (const EUnitParserError& e) {
        EXPECT_NE(e.Message().find(e.Reason()), std::string::npos);
        EXPECT_TRUE(e.Message().ends_with(std::string("\r") + ModernDialectHint)) << e.Message();
    }
    const std::string broken = Write("broken.pas", "unit Broken;\ntype\n  TA = class(TObject)\n  procedure P Q;\nend;\nend.\n");
    try {
        Db.LoadUnit(broken);
        ADD_FAILURE() << "loaded";
    } catch (const EUnitParserError& e) {
        EXPECT_EQ(e.Message().find(ModernDialectHint), std::string::npos) << e.Message();
    }
    EXPECT_EQ(Count("select count(*) from UNITS where Name in ('Modern', 'Broken')"), 0);
}

// The hint comes from what stopped the parse: the unit is not read a second time, so a file gone
// since it was read still gets the parser's message and the hint.
TEST_F(DbTest, TheModernHintComesFromTheFailedParseAlone) {
    LoadLibrary();
    const std::string modern = Write("gone.pas", "unit Gone;\ntype\n  TA = class(TObject)\n"
                                                 "    procedure P(X: Integer); overload;\n  end;\nimplementation\nend.\n");
    Db.OnProgress = {[](void* path, TVCLDB&) { std::remove(static_cast<std::string*>(path)->c_str()); },
                     const_cast<std::string*>(&modern)};
    try {
        Db.LoadUnit(modern);
        ADD_FAILURE() << "loaded";
    } catch (const EUnitParserError& e) {
        EXPECT_TRUE(e.Message().ends_with(std::string("\r") + ModernDialectHint)) << e.Message();
    }
    Db.OnProgress = {};
}

TEST_F(DbTest, AnEngineErrorWhileWritingLeavesNoTrace) {
    LoadLibrary();
    {
        SQLite::Database db(DbPath, SQLite::OPEN_READWRITE);
        db.exec("create trigger NoWidgets before insert on CLASSES when new.Name = 'TWidget' "
                "begin select raise(abort, 'widgets are refused'); end");
    }
    std::string unit = Write("widgets.pas", "unit Widgets;\ntype\n  TGadget = class(TObject) end;\n"
                                            "  TWidget = class(TGadget) end;\nend.\n");
    EXPECT_THROW(Db.LoadUnit(unit), EDatabaseError);
    EXPECT_EQ(Count("select count(*) from UNITS where Name = 'widgets'"), 0);
    EXPECT_EQ(Count("select count(*) from CLASSES where Name = 'TGadget'"), 0);

    // In a batch the half-written unit is taken out; the units around it stay.
    {
        TVCLDB::TBatch batch(Db);
        Load("UserA.pas");
        EXPECT_THROW(Db.LoadUnit(unit), EDatabaseError);
        Load("UserB.pas");
        batch.Commit();
    }
    EXPECT_EQ(Count("select count(*) from UNITS"), 6);
    EXPECT_EQ(Count("select count(*) from CLASSES where Name = 'TGadget'"), 0);
    EXPECT_EQ(Count("select count(*) from MV where ClassID not in (select ID from CLASSES)"), 0);
}

TEST_F(DbTest, ABatchCommitsEveryUnitThatLoaded) {
    {
        TVCLDB::TBatch batch(Db);
        Load("System.pas");
        Load("Classes.pas");
        EXPECT_THROW(Load("Forms.pas"), EVCLDBError);  // Controls is missing: nothing of Forms stays
        Load("Controls.pas");
        EXPECT_EQ(Db.ClassCountByName("TControl"), 1);
        batch.Commit();
    }
    EXPECT_EQ(Count("select count(*) from UNITS"), 3);  // read through another connection
    EXPECT_EQ(Count("select count(*) from CLASSES where Name in ('TForm', 'TApplication')"), 0);
    Load("Forms.pas");  // outside a batch a load commits by itself
    EXPECT_EQ(Count("select count(*) from UNITS"), 4);
}

TEST_F(DbTest, DuplicateMembersAreReportedAndSkipped) {
    LoadLibrary();
    std::string unit = Write("twice.pas", "unit Twice;\ntype\n  TTwice = class(TObject)\n{$IFDEF A}\n"
                                          "    F: Integer;\n{$ELSE}\n    F: Word;\n{$ENDIF}\n    G: Integer;\n"
                                          "    f: Byte;\n  end;\nend.\n");
    Db.LoadUnit(unit);
    int twice = ClassID("TTwice");
    EXPECT_EQ(Messages, std::vector<std::string>{"Internal Error: Key Violation on " + std::to_string(twice) + ", F"});
    EXPECT_EQ(Db.GetMemberIntLN(twice, "G"), 9);
    EXPECT_EQ(Count("select count(*) from MV where ClassID = " + std::to_string(twice)), 3);  // F, G, f
}

TEST_F(DbTest, OddNamesRoundTrip) {
    LoadLibrary();
    const std::string longName = "T" + std::string(254, 'x');
    // A file name that is not valid UTF-8: its bytes are kept as they are.
    std::string unit = Write("caf\xE9 it's \"odd\".v2.pas", "unit Odd;\ntype\n  " + longName +
                                                                " = class(TObject)\n    FApfel: Integer;\n  end;\nend.\n");
    int unitID = Db.LoadUnit(unit);
    EXPECT_EQ(Db.GetUnitName(unitID), "caf\xE9 it's \"odd\"");
    EXPECT_EQ(Db.UnitCountByName("CAF\xE9 IT'S \"ODD\""), 1);
    EXPECT_EQ(Db.GetUnitPath(unitID), unit);
    EXPECT_EQ(Db.GetClassName(ClassID(longName)), longName);
    EXPECT_EQ(Db.GetMemberName(ClassID(longName), "fapfel"), "FApfel");
    EXPECT_EQ(VCLDBErrorOf([&] { Db.LoadUnit(unit); }), "0: The Unit \"" + unit + "\" has already been added");
}

#ifndef _WIN32
// Where letter case tells files apart, CaseA.pas and casea.pas are two units. A spelled name
// still finds its file in any case and stores the file's own spelling; a stored path names its
// own file, and none once that has gone.
TEST_F(DbTest, FilesDifferingInLetterCaseAreTwoUnits) {
    Load("System.pas");
    const std::string upper = Write("CaseA.pas", "unit CaseA;\ntype\n  TUpper = class(TObject) end;\nend.\n");
    const std::string lower = Write("casea.pas", "unit casea;\ntype\n  TLower = class(TObject) end;\nend.\n");
    const int a = Db.LoadUnit(upper), b = Db.LoadUnit(lower);
    EXPECT_EQ(Db.GetUnitPath(a), upper);
    EXPECT_EQ(Db.GetUnitPath(b), lower);
    EXPECT_EQ(Db.GetClassUnitID(ClassID("TLower")), b);
    const std::string again = (Dir / "CASEA.pas").string();  // finds CaseA.pas, first in name order
    EXPECT_EQ(VCLDBErrorOf([&] { Db.LoadUnit(again); }), "0: The Unit \"" + again + "\" has already been added");

    Write("Other.pas", "unit Other;\ntype\n  TOther = class(TObject) end;\nend.\n");
    const int other = Db.LoadUnit((Dir / "OTHER.PAS").string());
    EXPECT_EQ(Db.GetUnitName(other), "OTHER");
    EXPECT_EQ(Db.GetUnitPath(other), (Dir / "Other.pas").string());
    EXPECT_EQ(Db.GetShortUnitName(other), ".../" + Dir.filename().string() + "/OTHER");  // as lists show it

    std::filesystem::rename(upper, Dir / "moved.pas");
    EXPECT_EQ(Db.GetUnitDiskPath(a), upper);
    EXPECT_FALSE(std::filesystem::exists(Db.GetUnitDiskPath(a)));
    EXPECT_EQ(Db.GetUnitDiskPath(b), lower);
}
#endif

}  // namespace qm
