// Member listing level by level with its filters, the selectors' name lists, member search.
#include "dbfixture.h"
#include "memberlist.h"

namespace qm {

namespace {

// "Name Class Level Visibility Type" per row.
std::vector<std::string> Rows(const TMemberItems& Items) {
    std::vector<std::string> rows;
    for (const TMemberItem& i : Items) {
        const auto c = MemberColumns(i);
        rows.push_back(c[0] + " " + c[1] + " " + c[2] + " " + c[3] + " " + c[4]);
    }
    return rows;
}

}  // namespace

TEST_F(DbTest, ListClassMembersLevelByLevel) {
    LoadLibrary();
    TMemberItems items;
    Db.ListClassMembers(ClassID("TForm"), items, TMemberFilter());
    std::vector<std::string> expected = {
        "Click TForm 1 Protected Method",
        "FCaption TControl 2 Private Field",      "Click TControl 2 Protected Method",
        "Assign TControl 2 Public Method",        "Caption TControl 2 Published Property",
        "Refresh TControl 2 Automated Method",
        "FName TComponent 3 Private Field",       "FOwner TComponent 3 Private Field",
        "Loaded TComponent 3 Protected Method",   "Create TComponent 3 Public Method",
        "Owner TComponent 3 Public Property",     "Name TComponent 3 Published Property",
        "AssignTo TPersistent 4 Protected Method", "Assign TPersistent 4 Public Method",
        "Create TObject 5 Published Method",      "Free TObject 5 Published Method",
        "ClassName TObject 5 Published Method",
    };
    EXPECT_EQ(Rows(items), expected);
    EXPECT_EQ(items[1].ClassID, ClassID("TControl"));

    items.clear();
    Db.ListClassMembers(ClassID("TObject"), items, TMemberFilter());
    EXPECT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].Level, 1);
    Db.ListClassMembers(0, items, TMemberFilter());
    EXPECT_EQ(items.size(), 3u);
}

TEST_F(DbTest, ListClassMembersFilters) {
    LoadLibrary();
    struct Case {
        const char* Name;
        TMemberFilter Filter;
        size_t Rows;
    } cases[] = {
        {"everything", {}, 27},
        {"no private", {true, true, true, false, true, true, true}, 22},
        {"no protected, no public", {true, true, true, true, false, false, true}, 15},
        {"automated always passes", {true, true, true, false, false, false, false}, 1},
        {"no kinds", {false, false, false, true, true, true, true}, 0},
        {"properties only", {true, false, false, true, true, true, true}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TMemberItems items;
        Db.ListClassMembers(ClassID("TComponent"), items, c.Filter);
        Db.ListClassMembers(ClassID("TControl"), items, c.Filter);  // appends
        EXPECT_EQ(items.size(), c.Rows) << ::testing::PrintToString(Rows(items));
    }
    EXPECT_STREQ(VisibilityName(256 + 4), "Automated");
    EXPECT_STREQ(VisibilityName(16 + 128), "Published");
    EXPECT_STREQ(KindName(16), "Field");
}

TEST_F(DbTest, SelectorNamesAreSortedWithoutDuplicates) {
    LoadLibrary();
    Db.LoadUnit(Fixture("dupe1/Shared.pas"));
    Db.LoadUnit(Write("shared.pas", "unit shared;\ntype Tshared = class(TObject) end;\nend.\n"));
    std::vector<std::string> names;
    Db.ListClassNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"TApplication", "TComponent", "TControl", "TForm", "TObject",
                                               "TPersistent", "TShared"}));
    Db.ListUnitNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Classes", "Controls", "Forms", "Shared", "System"}));
}

TEST_F(DbTest, SearchMembersListsEveryDeclaringClass) {
    LoadLibrary();
    TStringItems found{{"stale", 1}};
    Db.SearchMembers("click", found);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].Text, ".../classdb/Controls.TControl.Click");
    EXPECT_EQ(found[0].ID, ClassID("TControl"));
    EXPECT_EQ(found[1].Text, ".../classdb/Forms.TForm.Click");

    Db.SearchMembers("REFRESH", found);  // every entry shows the first row's spelling
    EXPECT_EQ(found.size(), 1u);
    Db.SearchMembers("Nowhere", found);
    EXPECT_TRUE(found.empty());
}

}  // namespace qm
