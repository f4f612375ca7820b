// Modern units keep every declaration the compiler accepts: members and types of one name told
// apart, dotted unit names whole, default visibility by run-time type information, redeclared
// properties and helpers.
#include <SQLiteCpp/Database.h>

#include "dbfixture.h"
#include "memberlist.h"
#include "unitparser.h"

namespace qm {

namespace {

class Declarations : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        Load("System.pas");
        Db.Dialect = TDialect::Modern;
    }
    // The class's own members as "Name Params Visibility [class] [redeclared]", in load order.
    std::vector<std::string> Members(int Class) {
        TMemberItems items;
        Db.ListClassMembers(Class, items, {});
        std::vector<std::string> texts;
        for (const TMemberItem& item : items) {
            if (item.ClassID != Class) continue;
            std::string text = item.Name + " " + VisibilityName(item.Flags);
            if (item.Flags & MemberClass) text += " class";
            if (item.Flags & MemberRedeclared) text += " redeclared";
            texts.push_back(text);
        }
        return texts;
    }
    // Ids of the classes of that bare name, in load order.
    std::vector<int> All(const std::string& Name) {
        std::vector<int> ids;
        for (int i = 0, n = Db.ClassCountByName(Name); i < n; ++i) ids.push_back(Db.ClassesIDByNameIndex(Name, i));
        return ids;
    }
    int Count(const std::string& Sql) { return SQLite::Database(DbPath).execAndGet(Sql).getInt(); }
};

TEST_F(Declarations, EveryDeclarationTheCompilerTellsApartIsStored) {
    Db.LoadUnit(Write("Events.pas",
                      "unit Events;\ninterface\ntype\n"                                            // 1-3
                      "  TA = class\n"                                                             // 4
                      "    class destructor Destroy;\n"                                            // 5
                      "    destructor Destroy; override;\n"                                        // 6
                      "    function AsList: TObject;\n"                                            // 7
                      "    function AsList<T>: T;\n"                                               // 8
                      "  end;\n"                                                                   // 9
                      "  TEvent = class X: Integer; end;\n"                                        // 10
                      "  TEvent<T> = class(TEvent) Y: T; end;\n"                                   // 11
                      "  TUse = class(TEvent<Integer>) end;\n"                                     // 12
                      "  TDict<K, V> = class\n  type\n    TKeys = class end;\n  end;\n"            // 13-16
                      "  TSet<T> = class\n  type\n    TKeys = class(TObject) end;\n  end;\n"       // 17-20
                      "implementation\n"                                                           // 21
                      "class destructor TA.Destroy;\nbegin\nend;\n"                               // 22-24
                      "destructor TA.Destroy;\nbegin\nend;\n"                                     // 25-27
                      "end.\n"));
    EXPECT_TRUE(Messages.empty()) << Messages.front();
    const int a = ClassID("TA");
    EXPECT_EQ(Members(a), (std::vector<std::string>{"Destroy Public class", "Destroy Public", "AsList Public",
                                                     "AsList Public"}));
    TMemberItems items;
    Db.ListClassMembers(a, items, {});
    EXPECT_EQ(MemberColumns(items.front())[4], "class method");
    const std::vector<TMemberRow> destroys = Db.MemberOverloads(a, "Destroy");
    ASSERT_EQ(destroys.size(), 2u);
    EXPECT_EQ(destroys[0].ImpLN, 22);
    EXPECT_EQ(destroys[1].ImpLN, 25);

    const std::vector<int> events = All("TEvent");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(Db.ClassRecord(events[1]).QualifiedName, "TEvent<T>");
    EXPECT_EQ(Db.ClassRecord(events[1]).Arity, 1);
    EXPECT_EQ(Db.GetAncestorID(events[1]), events[0]);
    EXPECT_EQ(Db.GetAncestorID(ClassID("TUse")), events[1]) << "TEvent<Integer> is the generic one";

    const std::vector<int> keys = All("TKeys");
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(Db.ClassRecord(keys[0]).QualifiedName, "TDict<K,V>.TKeys");
    EXPECT_EQ(Db.ClassRecord(keys[1]).QualifiedName, "TSet<T>.TKeys");
    SQLite::Database db(DbPath);
    EXPECT_EQ(db.execAndGet("select TargetID from RELATIONS where Kind = " + std::to_string(RelationNestedIn) +
                            " and ClassID = " + std::to_string(keys[1]))
                  .getInt(),
              ClassID("TSet"));
}

// A class whose unit uses Lib.Alpha derives from Lib.Alpha's TThing, not Lib.Beta's.
TEST_F(Declarations, DottedUnitNamesAreWhole) {
    Db.LoadUnit(Write("Lib.Alpha.pas", "unit Lib.Alpha;\ninterface\ntype\n  TThing = class\n    Alpha: Integer;\n  end;\n"));
    Db.LoadUnit(Write("Lib.Beta.pas", "unit Lib.Beta;\ninterface\ntype\n  TThing = class\n    Beta: Integer;\n  end;\n"));
    const int client = Db.LoadUnit(Write("Lib.Client.pas", "unit Lib.Client;\ninterface\nuses Lib.Alpha;\ntype\n"
                                                             "  TClient = class(TThing) end;\n"));
    EXPECT_EQ(Db.GetUnitName(client), "Lib.Client");
    EXPECT_EQ(Db.UnitsIDByNameIndex("Lib.Alpha", 0), Db.GetClassUnitID(Db.GetAncestorID(ClassID("TClient"))));
    EXPECT_EQ(Members(Db.GetAncestorID(ClassID("TClient"))), std::vector<std::string>{"Alpha Public"});
}

// Members before any visibility section are published where the class or an ancestor, in this
// unit or in another, was compiled with {$M+}; else public.
TEST_F(Declarations, DefaultVisibilityFollowsRunTimeTypeInformation) {
    Db.LoadUnit(Write("Persist.pas", "unit Persist;\ninterface\ntype\n{$M+}\n  TPersistent = class\n    X: Integer;\n  end;\n"
                                     "{$M-}\n  TComponent = class(TPersistent)\n    Y: Integer;\n  public\n    Z: Integer;\n  end;\n"
                                     "  TPlain = class\n    W: Integer;\n  end;\n"));
    Db.LoadUnit(Write("Forms.pas", "unit Forms;\ninterface\nuses Persist;\ntype\n  TForm = class(TComponent)\n"
                                   "    V: Integer;\n  end;\n  TList = class(TPlain)\n    U: Integer;\n  end;\n"));
    EXPECT_EQ(Members(ClassID("TPersistent")), std::vector<std::string>{"X Published"});
    EXPECT_EQ(Members(ClassID("TComponent")), (std::vector<std::string>{"Y Published", "Z Public"}));
    EXPECT_EQ(Members(ClassID("TPlain")), std::vector<std::string>{"W Public"});
    EXPECT_EQ(Members(ClassID("TForm")), std::vector<std::string>{"V Published"});
    EXPECT_EQ(Members(ClassID("TList")), std::vector<std::string>{"U Public"});
}

// A property named again is a member of the class that names it, with the visibility it is named
// in; helpers derive from nothing and know the type they help; a member declared twice is one
// plain line naming file, class and member.
TEST_F(Declarations, RedeclaredPropertiesHelpersAndMembersDeclaredTwice) {
    const std::string file = Write("Controls.pas",
                                   "unit Controls;\ninterface\ntype\n  TControl = class\n  protected\n"
                                   "    property Caption: string read FCaption;\n    procedure Click;\n    procedure Click;\n  end;\n"
                                   "  TForm = class(TControl)\n  published\n    property Caption;\n  end;\n"
                                   "  TControlHelper = class helper for TControl\n    procedure Show;\n  end;\n");
    Db.LoadUnit(file);
    EXPECT_EQ(Members(ClassID("TForm")), std::vector<std::string>{"Caption Published redeclared"});
    // Listed once: where it is named last, or without redeclarations where it is declared.
    auto captions = [&](bool Redeclared) {
        TMemberFilter filter;
        filter.ShowRedeclared = Redeclared;
        filter.ShowMethods = false;
        TMemberItems items;
        Db.ListClassMembers(ClassID("TForm"), items, filter);
        std::string text;
        for (const TMemberItem& item : items) text += MemberColumns(item)[0] + " " + MemberColumns(item)[2] + " " + MemberColumns(item)[3] + ";";
        return text;
    };
    EXPECT_EQ(captions(true), "Caption 1 Published;");
    EXPECT_EQ(captions(false), "Caption 2 Protected;");
    const TClassRow helper = Db.ClassRecord(ClassID("TControlHelper"));
    EXPECT_EQ(helper.Kind, int(TTypeKind::ClassHelper));
    EXPECT_EQ(helper.AncestorID, 0);
    EXPECT_EQ(Count("select TargetID from RELATIONS where Kind = " + std::to_string(RelationHelps)), ClassID("TControl"));
    EXPECT_EQ(Messages, std::vector<std::string>{file + ": TControl.Click() is declared twice with the same parameters; "
                                                        "the later declaration is passed over"});
}

}  // namespace

}  // namespace qm
