// The class database reading modern Object Pascal: classes and members in include files keep
// their file and lines, overloads are members of their own, and a whole tree loads with its
// ancestors first.
#include <SQLiteCpp/Database.h>

#include "dbfixture.h"
#include "treeload.h"
#include "unitparser.h"

namespace qm {

class Modern : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        Load("System.pas");
        Db.Dialect = TDialect::Modern;
    }
    // Line numbers in the texts below are given in their comments.
    void LoadShapes() {
        Write("shapes.inc",
              "type\n"                                                // 1
              "  TShape = class(TObject)\n"                           // 2
              "  public\n"                                            // 3
              "    procedure Draw; overload;\n"                       // 4
              "    procedure Draw(Scale: Integer); overload;\n"       // 5
              "    procedure Draw(const Name: string); overload;\n"   // 6
              "    Size: Integer;\n"                                  // 7
              "  end;\n");                                            // 8
        Write("draw.inc",
              "procedure TShape.Draw(const Name: string);\n"  // 1
              "begin\n"                                       // 2
              "  Draw(Size);\n"                               // 3
              "end;\n");                                      // 4
        Shapes = Db.LoadUnit(Write("Shapes.pas",
                                   "unit Shapes;\n"                         // 1
                                   "interface\n"                            // 2
                                   "{$I shapes.inc}\n"                      // 3
                                   "implementation\n"                       // 4
                                   "procedure TShape.Draw(Scale: Integer);\n"  // 5
                                   "begin\n"                                // 6
                                   "end;\n"                                 // 7
                                   "procedure TShape.Draw;\n"               // 8
                                   "begin\n"                                // 9
                                   "end;\n"                                 // 10
                                   "{$I draw.inc}\n"                        // 11
                                   "end.\n"));
    }
    std::string FileOf(const TPlace& Place) { return std::filesystem::path(Db.PlacePath(Place)).filename().string(); }

    int Shapes = 0;
};

TEST_F(Modern, IncludeFilesAndOverloadsKeepTheirOwnPlaces) {
    LoadShapes();
    const int shape = ClassID("TShape");
    EXPECT_EQ(FileOf(Db.ClassPlace(shape)), "shapes.inc");
    EXPECT_EQ(Db.ClassPlace(shape).Line, 2);
    EXPECT_EQ(Db.PlaceDiskPath(Db.ClassPlace(shape)), (Dir / "shapes.inc").string());
    EXPECT_EQ(FileOf({Shapes, 1, 0}), "Shapes.pas");

    TMemberItems items;
    Db.ListClassMembers(shape, items, {});
    std::vector<std::string> rows;
    for (const TMemberItem& i : items)
        if (i.Level == 1) rows.push_back(i.Name + " " + FileOf(i.Place) + ":" + std::to_string(i.Place.Line));
    // Each overload with the implementation its parameters name; the one declared without
    // parameters found by order; a field keeps its declaration.
    EXPECT_EQ(rows, (std::vector<std::string>{"Draw Shapes.pas:8", "Draw Shapes.pas:5", "Draw draw.inc:1",
                                              "Size shapes.inc:7"}));
    TStringItems found;
    Db.SearchMembers("draw", found);
    EXPECT_EQ(found.size(), 1u) << "one entry a class";
    EXPECT_TRUE(Messages.empty());
}

// The line context counts lines in the file shown; a double-click on an overloaded name asks
// which one is meant, unless the line is one of them.
TEST_F(Modern, LinesOfIncludeFilesAndOverloadsResolve) {
    LoadShapes();
    const int shape = ClassID("TShape");
    const TPlace declared = Db.ClassPlace(shape);
    Db.CurrentUnitID = Shapes;
    Db.CurrentFileID = declared.FileID;
    TLineInfoRec info;
    Db.GetLineInfo(5, info);
    EXPECT_EQ(info.Kind, TLineInfoRec::MemberDeclaration);
    EXPECT_EQ(info.MemberParams, "(INTEGER)");
    Db.ResolveIdentifier("DRAW", 5, info);  // its own implementation
    EXPECT_TRUE(info.Found);
    EXPECT_EQ(info.Overloads, 0);
    EXPECT_EQ((TPlace{info.UnitID, info.LineNumber, info.FileID}), (TPlace{Shapes, 5, 0}));

    const TPlace drawInc{Shapes, 3, Db.MemberOverloads(shape, "Draw")[2].ImpFileID};
    ASSERT_NE(drawInc.FileID, 0);
    Db.CurrentFileID = drawInc.FileID;
    Db.GetLineInfo(3, info);
    EXPECT_EQ(info.Kind, TLineInfoRec::InsideImplementation) << "an include file of implementations alone";
    EXPECT_EQ(info.ClassName, "TShape");
    Db.ResolveIdentifier("DRAW", 3, info);
    EXPECT_EQ(info.Overloads, 3);
    EXPECT_EQ(info.LineNumber, 8) << "the first overload's place";

    Db.CurrentFileID = 0;
    Db.GetLineInfo(3, info);  // the {$I} line: no class is declared in the unit's own file
    EXPECT_EQ(info.Kind, TLineInfoRec::Unknown);
    EXPECT_EQ(info.ClassID, 0);
    Db.GetLineInfo(5, info);
    EXPECT_EQ(info.Kind, TLineInfoRec::ImplementationHeading);
    EXPECT_EQ(info.MemberParams, "(INTEGER)");
}

// Classes of the implementation section whose ancestor is nowhere are passed over with a
// message; a type named after a class is a class; the Delphi 2.0 rules still refuse overloads.
TEST_F(Modern, AliasesOrphansAndTheDefaultRules) {
    Db.LoadUnit(Write("Base.pas", "unit Base;\ninterface\ntype\n  TBase = class(TObject)\n  end;\n"
                                  "  TOld = TBase;\nimplementation\ntype\n  TLocal = class(TElsewhere)\n  end;\n"
                                  "  TMore = class(TLocal)\n  end;\nend.\n"));
    Db.LoadUnit(Write("User.pas", "unit User;\ninterface\nuses Base;\ntype\n  TUser = class(TOld)\n  end;\n"
                                  "implementation\nend.\n"));
    EXPECT_EQ(Db.GetAncestorID(ClassID("TUser")), ClassID("TOld"));
    EXPECT_EQ(Db.GetAncestorID(ClassID("TOld")), ClassID("TBase"));
    EXPECT_EQ(Db.ClassCountByName("TLocal") + Db.ClassCountByName("TMore"), 0);
    EXPECT_EQ(Messages, (std::vector<std::string>{
                            "Class TLocal in the implementation of " + (Dir / "Base.pas").string() +
                                " is passed over: its ancestor TElsewhere is not loaded",
                            "Class TMore in the implementation of " + (Dir / "Base.pas").string() +
                                " is passed over: its ancestor TLocal is not loaded"}));
    Messages.clear();
    Db.Dialect = TDialect::Delphi2;
    Db.LoadUnit(Write("Twice.pas", "unit Twice;\ninterface\ntype\n  TTwice = class(TObject)\n"
                                   "    procedure A;\n    procedure A;\n  end;\nimplementation\nend.\n"));
    EXPECT_EQ(Messages.size(), 1u) << "the second A is refused for its key";
}

// Units in an order that puts the derived first, ancestors in include files, programs, units
// without classes and broken units: what can load loads, the rest is reported one line each.
// A missing ancestor names the units of the uses clauses, both sections, that are not loaded
// (once each, in upper case as the message names the class), since one of them must declare it;
// with every used unit loaded the message stays plain, and so does the Delphi 2.0 reading's.
TEST_F(Modern, AMissingAncestorNamesTheUsedUnitsNotLoaded) {
    Db.LoadUnit(Write("Used.pas", "unit Used;\ninterface\ntype\n  TUsed = class(TObject)\n  end;\nimplementation\nend.\n"));
    const std::string plain = "Unable to locate ancestor class TFONT.\rThe Unit which defines this class must be loaded first.";
    const struct {
        const char* InterfaceUses;
        const char* ImplementationUses;
        TDialect Dialect;
        std::string Expected;
    } cases[] = {
        {"Used, Graphics", "graphics, FPImage", TDialect::Modern, plain + " It uses GRAPHICS, FPIMAGE, which are not loaded."},
        {"Graphics, Used", "", TDialect::Modern, plain + " It uses GRAPHICS, which is not loaded."},
        {"Used", "", TDialect::Modern, plain},
        {"Graphics", "", TDialect::Delphi2, plain},
    };
    for (const auto& c : cases) {
        Db.Dialect = c.Dialect;
        const std::string implementationUses = *c.ImplementationUses ? std::string("uses ") + c.ImplementationUses + ";\n" : "";
        const std::string file = Write("Pane.pas", std::string("unit Pane;\ninterface\nuses ") + c.InterfaceUses +
                                                       ";\ntype\n  TPane = class(TFont)\n  end;\nimplementation\n" +
                                                       implementationUses + "end.\n");
        try {
            Db.LoadUnit(file);
            ADD_FAILURE() << c.InterfaceUses << ": loaded";
        } catch (const EVCLDBError& e) {
            EXPECT_EQ(e.Message(), c.Expected) << c.InterfaceUses;
        }
    }
}

TEST_F(Modern, ATreeLoadsAncestorsFirstAndReportsTheRest) {
    std::filesystem::create_directories(Dir / "tree" / "inc");
    std::filesystem::create_directories(Dir / "tree" / "sub");
    Write("tree/inc/basedecl.inc", "  TBase = class(TObject)\n  end;\n");
    Write("tree/a_derived.pas", "unit A_Derived;\ninterface\nuses Z_Base;\ntype\n  TDerived = class(TBase)\n  end;\n"
                                "implementation\nend.\n");
    Write("tree/sub/z_base.pas", "unit Z_Base;\ninterface\ntype\n{$I basedecl.inc}\nimplementation\nend.\n");
    Write("tree/m_late.pp", "unit M_Late;\ninterface\ntype\n  TLate = class(TDerived)\n  end;\nimplementation\nend.\n");
    Write("tree/prog.pas", "program Prog;\nuses A_Derived;\nbegin\nend.\n");
    Write("tree/plain.pas", "unit Plain;\ninterface\nconst X = 1;\nimplementation\nend.\n");
    Write("tree/orphan.pas", "unit Orphan;\ninterface\ntype\n  TOrphan = class(TNowhere)\n  end;\nimplementation\nend.\n");
    Write("tree/broken.pas", "unit Broken;\ninterface\ntype\n  TBroken = class(TObject)\n    A B C;\n  end;\n");
    Write("tree/notes.txt", "unit Notes;");
    const std::vector<std::string> files = FindUnitFiles({(Dir / "tree").string()}, true).Files;
    EXPECT_EQ(files.size(), 7u);
    EXPECT_EQ(FindUnitFiles({(Dir / "tree").string()}, false).Files.size(), 6u);

    TTreeLoader loader(Db);
    TTreeLoadReport report = loader.Load(files, {(Dir / "tree").string()});
    EXPECT_EQ(report.Loaded, 3);
    EXPECT_EQ(report.Skipped, 1);
    EXPECT_EQ(report.WithoutClasses, 1);
    ASSERT_EQ(report.Failures.size(), 2u);
    EXPECT_EQ(report.Failures[0].File, (Dir / "tree" / "broken.pas").string());
    EXPECT_EQ(report.Failures[1].Reason,
              "Unable to locate ancestor class TNOWHERE. The Unit which defines this class must be loaded first.");
    EXPECT_EQ(report.Summary(), "3 units loaded, 1 without classes, 1 programs or other files skipped, 2 did not load");
    EXPECT_EQ(Db.GetAncestorID(ClassID("TLate")), ClassID("TDerived"));
    EXPECT_EQ(FileOf(Db.ClassPlace(ClassID("TBase"))), "basedecl.inc");

    report = loader.Load(files, {(Dir / "tree").string()});
    EXPECT_EQ(report.Loaded, 0);
    EXPECT_EQ(report.AlreadyLoaded, 3);
}

// A cancel during a tree load keeps every unit loaded before it, in the database for good.
TEST_F(Modern, ACancelledTreeKeepsWhatLoaded) {
    for (char c = 'a'; c <= 'e'; ++c)
        Write(std::string("tree_") + c + ".pas", std::string("unit Tree_") + c + ";\ninterface\ntype\n  T" + c +
                                                     " = class(TObject)\n  end;\nimplementation\nend.\n");
    std::vector<std::string> files;
    for (char c = 'a'; c <= 'e'; ++c) files.push_back((Dir / (std::string("tree_") + c + ".pas")).string());
    TTreeLoader loader(Db);
    loader.OnUnit = [](int Done, int Total) {
        EXPECT_EQ(Total, 5);
        if (Done == 3) throw EAbort();
    };
    const TTreeLoadReport report = loader.Load(files);
    EXPECT_TRUE(report.Cancelled);
    EXPECT_EQ(report.Loaded, 3);
    TVCLDB other;
    other.OpenDatabase(DbPath);
    EXPECT_EQ(other.UnitCount(), 4) << "System and three of the tree";
}

}  // namespace qm
