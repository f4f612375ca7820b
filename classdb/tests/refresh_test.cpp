// Re-reading units after their files were edited: rows follow the new text, classes keep their
// ids, and every edit that cannot be taken leaves the unit as it was, with the reason.
#include <SQLiteCpp/Database.h>

#include "dbfixture.h"
#include "filestamp.h"
#include "format.h"
#include "paths.h"
#include "refresh.h"
#include "unitparser.h"

namespace qm {
namespace {

// The unit edited in these tests, made from its parts; line numbers shift with Blank.
struct TShapes {
    int Blank = 0;                     // empty lines inserted above TCircle
    std::string CircleDraw = "Draw";  // the name TCircle's method is given
    bool Square = true;
    bool Circle = true;
    bool Broken = false;
    std::string Text() const {
        std::string t = "unit Shapes;\ninterface\nuses Classes;\ntype\n"
                        "  TShape = class(TComponent)\n  private\n    FSize: Integer;\n  public\n"
                        "    procedure Draw; virtual;\n  end;\n";
        t += std::string(size_t(Blank), '\n');
        if (Circle) t += "  TCircle = class(TShape)\n  public\n    procedure " + CircleDraw + "; override;\n  end;\n";
        if (Square) t += "  TSquare = class(TShape)\n  end;\n";
        if (Broken) t += "  TBad = class(TShape\n";
        t += "implementation\nprocedure TShape.Draw;\nbegin\nend;\n";
        if (Circle) t += "procedure TCircle." + CircleDraw + ";\nbegin\nend;\n";
        return t + "end.\n";
    }
};

}  // namespace

class Refresh : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        for (const char* unit : {"System.pas", "Classes.pas"}) Load(unit);
        ShapesPath = Write("Shapes.pas", TShapes().Text());
        Shapes = Db.LoadUnit(ShapesPath);
        Users = Db.LoadUnit(Write("Users.pas", "unit Users;\ninterface\nuses Shapes;\ntype\n"
                                               "  TRound = class(TCircle)\n  end;\nimplementation\nend.\n"));
    }
    // The unit's classes and members as "class line ancestor: member line implementation, ...".
    std::string Rows(int Unit) {
        SQLite::Database db(DbPath, SQLite::OPEN_READONLY);
        SQLite::Statement classes(db, "select ID, Name, IntLN, AncestorID from CLASSES where UnitID = ? order by ID");
        classes.bind(1, Unit);
        std::string text;
        while (classes.executeStep()) {
            text += Format("%s %d %d:", {classes.getColumn(1).getString(), classes.getColumn(2).getInt(), classes.getColumn(3).getInt()});
            SQLite::Statement members(db, "select Name, IntLN, ImpLN, UnitID from MV where ClassID = ? order by IntLN");
            members.bind(1, classes.getColumn(0).getInt());
            while (members.executeStep()) {
                const int imp = members.getColumn(2).getInt();
                text += Format(" %s %d %s", {members.getColumn(0).getString(), members.getColumn(1).getInt(),
                                             imp == NoImpLN ? std::string("-") : std::to_string(imp)});
                if (members.getColumn(3).getInt() != Unit) text += "!unit";
            }
            text += ";";
        }
        return text;
    }
    int Generation(int Unit) { return Count("select Generation from UNITS where ID = " + std::to_string(Unit)); }
    std::string Kinds(const TRefreshReport& Report) {
        std::string text;
        for (const TRefreshRecord& r : Report.Records)
            text += Format("%s %s;", {r.Kind == TRefreshRecord::Reread ? "reread" : r.Kind == TRefreshRecord::Gone ? "gone" : "failed", r.Name});
        return text;
    }

    std::string ShapesPath;
    int Shapes = 0, Users = 0;
};

TEST_F(Refresh, ATakenEditReplacesTheRowsAndKeepsTheIdsOfClassesFoundAgain) {
    const int shape = ClassID("TShape"), circle = ClassID("TCircle"), round = ClassID("TRound");
    struct Case {
        const char* Edit;
        TShapes Text;
        std::string Rows;
    } cases[] = {
        {"lines inserted above a class", {3},
         Format("TShape 5 %d: FSize 7 - Draw 9 21;TCircle 14 %d: Draw 16 24;TSquare 18 %d:;",
                {ClassID("TComponent"), shape, shape})},
        {"a member renamed", {0, "Paint"},
         Format("TShape 5 %d: FSize 7 - Draw 9 18;TCircle 11 %d: Paint 13 21;TSquare 15 %d:;",
                {ClassID("TComponent"), shape, shape})},
        {"a class without descendants elsewhere removed", {0, "Draw", false},
         Format("TShape 5 %d: FSize 7 - Draw 9 16;TCircle 11 %d: Draw 13 19;", {ClassID("TComponent"), shape})},
    };
    int generation = Generation(Shapes);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Edit);
        Write("Shapes.pas", c.Text.Text());
        const TRefreshReport report = TUnitRefresher(Db).Refresh();
        EXPECT_EQ(Kinds(report), "reread Shapes;");
        EXPECT_EQ(report.Checked, 4);
        EXPECT_EQ(report.Unchanged, 3);
        EXPECT_EQ(Rows(Shapes), c.Rows);
        EXPECT_EQ(ClassID("TShape"), shape);
        EXPECT_EQ(ClassID("TCircle"), circle);
        EXPECT_EQ(Db.GetAncestorID(round), circle) << "a class of another unit stays linked";
        EXPECT_EQ(Generation(Shapes), ++generation);
        // Read once: the next look finds nothing to do.
        EXPECT_EQ(Kinds(TUnitRefresher(Db).Refresh()), "");
    }
    EXPECT_EQ(Count("select count(*) from CLASSES where Name = 'TSquare'"), 0);
    EXPECT_EQ(Count("select count(*) from UNITS"), 4);
    // Lookups answer from the new rows.
    EXPECT_EQ(Db.GetClassLine(circle), 11);
}

TEST_F(Refresh, AnEditThatCannotBeTakenLeavesTheUnitAsItWasAndSaysWhy) {
    const std::string before = Rows(Shapes);
    struct Case {
        const char* Edit;
        std::function<void()> Make;
        std::string Kinds;
        std::string Reason;
    } cases[] = {
        {"a class other units derive from removed", [&] { Write("Shapes.pas", TShapes{0, "Draw", true, false}.Text()); },
         "failed Shapes;", "it no longer declares TCircle, from which TRound (Users) derive"},
        {"broken syntax", [&] { Write("Shapes.pas", TShapes{0, "Draw", true, true, true}.Text()); }, "failed Shapes;",
         "Internal Error"},
        {"no class left", [&] { Write("Shapes.pas", "unit Shapes;\ninterface\nimplementation\nend.\n"); }, "failed Shapes;",
         ShapesPath + " has no class definitions and will not be loaded"},
        {"the file deleted", [&] { std::filesystem::remove(ShapesPath); }, "gone Shapes;",
         "The file " + ShapesPath + " does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Edit);
        c.Make();
        const TRefreshReport report = TUnitRefresher(Db).Refresh();
        EXPECT_EQ(Kinds(report), c.Kinds);
        ASSERT_FALSE(report.Records.empty());
        // The record names the file; the reason says why, beginning with what went wrong.
        EXPECT_EQ(report.Records[0].Reason.rfind(c.Reason, 0), 0u) << report.Records[0].Reason;
        EXPECT_EQ(Rows(Shapes), before);
        EXPECT_EQ(Generation(Shapes), 0);
        EXPECT_EQ(report.Failed(), c.Kinds != "gone Shapes;");
    }
    // Mended, the unit is read again.
    Write("Shapes.pas", TShapes{1}.Text());
    EXPECT_EQ(Kinds(TUnitRefresher(Db).Refresh()), "reread Shapes;");
}

// Removing a class together with its last user in another unit works when both are re-read
// together, whichever comes first.
TEST_F(Refresh, UnitsReReadTogetherMayDropWhatOnlyTheyNeeded) {
    Write("Shapes.pas", TShapes{0, "Draw", true, false}.Text());
    Write("Users.pas", "unit Users;\ninterface\nuses Shapes;\ntype\n  TRound = class(TSquare)\n  end;\nimplementation\nend.\n");
    const int round = ClassID("TRound");
    const TRefreshReport report = TUnitRefresher(Db).Refresh();
    EXPECT_EQ(Kinds(report), "reread Users;reread Shapes;");
    EXPECT_EQ(report.Summary(), "4 units checked: 2 re-read");
    EXPECT_EQ(Db.GetAncestorID(round), ClassID("TSquare"));
    EXPECT_EQ(ClassID("TRound"), round);
    EXPECT_EQ(Count("select count(*) from CLASSES where Name = 'TCircle'"), 0);
    // Only the units asked for are looked at.
    Write("Users.pas", "unit Users;\ninterface\nuses Shapes;\ntype\n  TRound = class(TShape)\n  end;\nimplementation\nend.\n");
    EXPECT_EQ(Kinds(TUnitRefresher(Db).Refresh({Shapes})), "");
    EXPECT_EQ(Kinds(TUnitRefresher(Db).Refresh({Users})), "reread Users;");
}

TEST_F(Refresh, TheSameBytesSavedAgainAreNotReRead) {
    const auto stamp = [&] { return Count("select Size from UNITS where ID = " + std::to_string(Shapes)); };
    const int size = stamp();
    EXPECT_EQ(size, int(TShapes().Text().size()));
    EXPECT_NE(Count("select Hash from UNITS where ID = " + std::to_string(Shapes)), 0);
    const auto time = std::filesystem::last_write_time(ShapesPath) - std::chrono::hours(1);
    Write("Shapes.pas", TShapes().Text());
    std::filesystem::last_write_time(ShapesPath, time);
    const TRefreshReport report = TUnitRefresher(Db).Refresh();
    EXPECT_EQ(Kinds(report), "");
    EXPECT_EQ(report.Unchanged, 3);
    EXPECT_EQ(Generation(Shapes), 0);
    // The new time is stored: the next look compares sizes and times only.
    SQLite::Database db(DbPath, SQLite::OPEN_READONLY);
    TFileStamp now;
    ASSERT_TRUE(StatOf(ShapesPath, now));
    EXPECT_EQ(db.execAndGet("select MTime from UNITS where ID = " + std::to_string(Shapes)).getInt64(), now.MTime);
    EXPECT_EQ(Kinds(TUnitRefresher(Db).Refresh()), "");
}

// An include file a load found in another folder (as a load of a whole tree finds them) is found
// there again when the unit is re-read.
TEST_F(Refresh, IncludeFilesAreFoundWhereTheLoadFoundThem) {
    std::filesystem::create_directories(Dir / "inc");
    const std::string body = (Dir / "inc" / "Body.inc").string();
    std::ofstream(body) << "  TPart = class(TObject)\n    procedure Run;\n  end;\n";
    const std::string text = "unit Parts;\ninterface\ntype\n{$I body.inc}\nimplementation\nend.\n";
    Db.Dialect = TDialect::Modern;
    Db.IncludeReader = [&](const std::string& Path, std::string& Found, std::string& Text) {
        return ReadIncludeFile(Path, Found, Text) || (FileNamePart(Path) == "body.inc" && ReadIncludeFile(body, Found, Text));
    };
    const int unit = Db.LoadUnit(Write("Parts.pas", text));
    Db.IncludeReader = nullptr;
    Db.Dialect = TDialect::Delphi2;
    const int part = ClassID("TPart");
    Write("Parts.pas", "\n" + text);
    EXPECT_EQ(Kinds(TUnitRefresher(Db).Refresh()), "reread Parts;");
    EXPECT_EQ(ClassID("TPart"), part);
    EXPECT_EQ(Count("select count(*) from FILES where UnitID = " + std::to_string(unit)), 1);
    EXPECT_TRUE(Messages.empty()) << Messages.front();
    EXPECT_FALSE(Db.IncludeReader) << "the database reads as before";
}

// A file written a moment ago may still be being written: asked to, the refresh leaves it for a
// later look.
TEST_F(Refresh, AFileWrittenAMomentAgoWaitsWhenAskedTo) {
    Write("Shapes.pas", TShapes{1}.Text());
    const TRefreshReport report = TUnitRefresher(Db).Refresh({}, 60000);
    EXPECT_EQ(Kinds(report), "");
    EXPECT_EQ(report.Unsettled, 1);
    EXPECT_EQ(Generation(Shapes), 0);
    std::filesystem::last_write_time(ShapesPath, std::filesystem::last_write_time(ShapesPath) - std::chrono::minutes(2));
    EXPECT_EQ(Kinds(TUnitRefresher(Db).Refresh({}, 60000)), "reread Shapes;");
}

// The parse runs before the write lock is taken: another program may write meanwhile, and what it
// wrote is taken into account before the new rows are stored.
TEST_F(Refresh, AnotherProgramMayWriteWhileTheUnitIsParsed) {
    struct Case {
        const char* Meanwhile;
        std::function<void(TVCLDB&)> Write;
        std::string Kinds;
        int Units;
    } cases[] = {
        {"a unit added", [&](TVCLDB& Other) { Other.LoadUnit(this->Write("Extra.pas", "unit Extra;\ninterface\ntype\n  TExtra = class(TObject)\n  end;\nimplementation\nend.\n")); },
         "reread Shapes;", 5},
        {"the unit itself removed", [&](TVCLDB& Other) {
             TStringItems names;
             Other.CollectDependants(Shapes, names);
             Other.DeleteDependants();
         }, "failed Shapes;", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Meanwhile);
        if (&c != cases) {
            TearDown();
            SetUp();
        }
        Write("Shapes.pas", TShapes{2}.Text());
        TVCLDB other;
        other.OpenDatabase(DbPath);
        struct TMeanwhile {
            const Case& Step;
            TVCLDB& Other;
            bool Done = false;
        } meanwhile{c, other};
        // A class of the new text read: the parse is under way.
        Db.OnProgress = {[](void* Data, TVCLDB&) {
                             auto& m = *static_cast<TMeanwhile*>(Data);
                             if (!std::exchange(m.Done, true)) m.Step.Write(m.Other);
                         },
                         &meanwhile};
        EXPECT_EQ(Kinds(TUnitRefresher(Db).Refresh()), c.Kinds);
        Db.OnProgress = {};
        EXPECT_TRUE(meanwhile.Done);
        EXPECT_EQ(Count("select count(*) from UNITS"), c.Units);
        EXPECT_EQ(Count("select count(*) from CLASSES where UnitID not in (select ID from UNITS)"), 0);
        EXPECT_EQ(Count("select count(*) from MV where ClassID not in (select ID from CLASSES)"), 0);
        if (c.Units == 5) {
            EXPECT_EQ(Db.GetClassLine(ClassID("TCircle")), 13);
        }
    }
}

// A changed include file changes the unit that includes it; places in the include file keep its id.
TEST_F(Refresh, AChangedIncludeFileReReadsItsUnit) {
    Db.Dialect = TDialect::Modern;
    Write("body.inc", "  TPart = class(TObject)\n    procedure Run;\n  end;\n");
    Write("defs.inc", "{$DEFINE EXTRA}\n");
    const int unit = Db.LoadUnit(Write("Parts.pas", "unit Parts;\ninterface\n{$I defs.inc}\ntype\n{$I body.inc}\n"
                                                    "{$IFDEF EXTRA}\n  TExtra = class(TObject) end;\n{$ENDIF}\n"
                                                    "implementation\nend.\n"));
    Db.Dialect = TDialect::Delphi2;
    const int part = ClassID("TPart");
    const TPlace before = Db.ClassPlace(part);
    EXPECT_EQ(Count("select count(*) from FILES where UnitID = " + std::to_string(unit)), 2) << "a file without classes is kept too";
    Write("body.inc", "\n\n  TPart = class(TObject)\n    procedure Run;\n    procedure Stop;\n  end;\n");
    EXPECT_EQ(Kinds(TUnitRefresher(Db).Refresh()), "reread Parts;");
    EXPECT_EQ(Db.ClassPlace(part), (TPlace{unit, 3, before.FileID}));
    EXPECT_EQ(Db.GetMemberIntLN(part, "Stop"), 5);
    Write("defs.inc", "\n");
    EXPECT_EQ(Kinds(TUnitRefresher(Db).Refresh()), "reread Parts;") << "read in the dialect it was loaded in";
    EXPECT_EQ(Count("select count(*) from CLASSES where Name = 'TExtra'"), 0);
    EXPECT_EQ(Count("select count(*) from FILES where UnitID = " + std::to_string(unit)), 2);
}

}  // namespace qm
