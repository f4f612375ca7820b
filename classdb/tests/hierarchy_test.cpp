// Looking down the class tree: the descendants of a class in order with their counts, a depth
// limit, overrides across units, and a damaged file whose ancestors run in a circle.
#include <SQLiteCpp/Database.h>

#include "dbfixture.h"

namespace qm {

namespace {

// A unit of the shapes fixture: its classes as "Name(Ancestor) member..." lines.
std::string ShapesUnit(const std::string& Name, const std::string& Uses, const std::string& Types,
                       const std::string& Body = "") {
    return "unit " + Name + ";\n\ninterface\n\n" + (Uses.empty() ? "" : "uses " + Uses + ";\n\n") + "type\n" + Types +
           "\nimplementation\n\n" + Body + "end.\n";
}

}  // namespace

class Hierarchy : public DbTest {
protected:
    // Two branches below TShape, units that meet again in Both (a diamond of uses), and two
    // classes named TCircle, and a TBox elsewhere that has nothing to do with shapes.
    void LoadShapes() {
        LoadLibrary();
        Db.LoadUnit(Write("Base.pas", ShapesUnit("Base", "", "  TShape = class(TObject)\n    procedure Paint; virtual;\n  end;\n")));
        Db.LoadUnit(Write("Left.pas", ShapesUnit("Left", "Base",
                                                 "  TBox = class(TShape)\n    procedure Paint; override;\n  end;\n"
                                                 "  TCircle = class(TShape)\n  end;\n",
                                                 "procedure TBox.Paint;\nbegin\nend;\n\n")));
        Db.LoadUnit(Write("Right.pas", ShapesUnit("Right", "Base", "  TLine = class(TShape)\n  end;\n")));
        Db.LoadUnit(Write("Both.pas", ShapesUnit("Both", "Left, Right",
                                                 "  TRoundBox = class(TBox)\n    procedure Paint; override;\n  end;\n"
                                                 "  TArrow = class(TLine)\n  end;\n")));
        Db.LoadUnit(Write("Other.pas", ShapesUnit("Other", "Base",
                                                  "  TCircle = class(TShape)\n    procedure PAINT; override;\n  end;\n"
                                                  "  TBox = class(TObject)\n    procedure Paint;\n  end;\n")));
    }

    static std::vector<std::string> Lines(const TDescendants& Tree) {
        std::vector<std::string> lines;
        for (const TDescendant& d : Tree)
            lines.push_back(std::string(size_t(d.Depth) * 2, ' ') + d.Name + " " + d.UnitName + " " +
                            std::to_string(d.Descendants));
        return lines;
    }
};

TEST_F(Hierarchy, DescendantsComeDepthFirstSortedByNameWithTheirCounts) {
    LoadShapes();
    TDescendants tree;
    Db.ListDescendants(ClassID("TShape"), tree);
    EXPECT_EQ(Lines(tree), (std::vector<std::string>{"TShape Base 6", "  TBox Left 1", "    TRoundBox Both 0",
                                                     "  TCircle Left 0", "  TCircle Other 0", "  TLine Right 1",
                                                     "    TArrow Both 0"}));
    EXPECT_LT(tree[3].ClassID, tree[4].ClassID) << "same names in load order";

    Db.ListDescendants(ClassID("TShape"), tree, 1);
    EXPECT_EQ(Lines(tree), (std::vector<std::string>{"TShape Base 6", "  TBox Left 1", "  TCircle Left 0",
                                                     "  TCircle Other 0", "  TLine Right 1"}))
        << "the counts still tell what lies below";

    Db.ListDescendants(ClassID("TArrow"), tree);
    EXPECT_EQ(Lines(tree), std::vector<std::string>{"TArrow Both 0"});
    Db.ListDescendants(99999, tree);
    EXPECT_TRUE(tree.empty());

    // Everything derives from TObject: the whole library, each class once.
    Db.ListDescendants(ClassID("TObject"), tree);
    EXPECT_EQ(int(tree.size()), Count("select count(*) from CLASSES"));
}

TEST_F(Hierarchy, OverridesAreTheDescendantsThatDeclareTheName) {
    LoadShapes();
    TOverrides found;
    Db.ListOverrides(ClassID("TShape"), "paint", found);
    std::vector<std::string> seen;
    for (const TOverride& o : found)
        seen.push_back(o.ClassName + " " + o.UnitName + " " + Db.GetUnitName(o.Place.UnitID) + ":" +
                       std::to_string(o.Place.Line));
    // TBox is implemented in Left, the others only declared; the unrelated TBox is not a descendant.
    EXPECT_EQ(seen, (std::vector<std::string>{"TBox Left Left:16", "TCircle Other Other:9", "TRoundBox Both Both:9"}));
    Db.ListOverrides(ClassID("TBox"), "Paint", found);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].ClassName, "TRoundBox");
    Db.ListOverrides(ClassID("TShape"), "Nothing", found);
    EXPECT_TRUE(found.empty());
}

TEST_F(Hierarchy, AncestorsInACircleEndTheWalk) {
    LoadShapes();
    // Damage: TShape made a descendant of its own descendant TRoundBox.
    {
        SQLite::Database db(DbPath, SQLite::OPEN_READWRITE);
        db.exec("update CLASSES set AncestorID = " + std::to_string(ClassID("TRoundBox")) + " where Name = 'TShape'");
    }
    Db.OpenDatabase(DbPath);
    TDescendants tree;
    Db.ListDescendants(ClassID("TShape"), tree);
    EXPECT_EQ(tree.size(), 7u);
    EXPECT_EQ(tree[0].Name, "TShape");
}

}  // namespace qm
