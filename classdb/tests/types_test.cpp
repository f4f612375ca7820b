// Every structured type of a modern unit: interfaces with their ancestors, records, objects, the
// interfaces a class implements.
#include <SQLiteCpp/Database.h>

#include "dbfixture.h"
#include "memberlist.h"
#include "typequeries.h"
#include "unitparser.h"

namespace qm {

namespace {

class Types : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        Load("System.pas");
        Db.Dialect = TDialect::Modern;
    }
    std::string Relations(int Class) {
        SQLite::Database db(DbPath);
        SQLite::Statement rows(db, "select Kind, Position, TargetID, TargetName from RELATIONS where ClassID = ? order by Kind, Position");
        rows.bind(1, Class);
        std::string text;
        while (rows.executeStep())
            text += rows.getColumn(0).getString() + ":" + rows.getColumn(2).getString() + ":" + rows.getColumn(3).getString() + ";";
        return text;
    }
};

TEST_F(Types, InterfacesRecordsAndObjectsAreStoredWithTheirKindsAndAncestors) {
    Db.LoadUnit(Write("Intf.pas", "unit Intf;\ninterface\ntype\n"
                                  "  IInterface = interface\n    function _AddRef: Integer;\n  end;\n"
                                  "  IReader = interface\n    ['{11111111-2222-3333-4444-555555555555}']\n    function Read: Integer;\n  end;\n"
                                  "  IStream = interface(IReader)\n    procedure Write(X: Integer);\n  end;\n"
                                  "  IRemote = interface(IElsewhere)\n  end;\n"
                                  "  TFile = class(TObject, IStream, IUnknownHere)\n    function Read: Integer;\n"
                                  "    procedure Write(X: Integer);\n  end;\n"
                                  "  TPoint = record\n    X, Y: Integer;\n    function Length: Double;\n  end;\n"
                                  "  TOld = object\n    procedure Run; virtual;\n  end;\n"));
    const int base = ClassID("IInterface"), reader = ClassID("IReader"), stream = ClassID("IStream");
    EXPECT_EQ(Db.ClassRecord(reader).Kind, int(TTypeKind::Interface));
    EXPECT_EQ(Db.GetAncestorID(base), 0);
    EXPECT_EQ(Db.GetAncestorID(reader), base) << "IInterface is the implicit ancestor";
    EXPECT_EQ(Db.GetAncestorID(stream), reader);
    // An interface whose ancestor is not loaded still loads, naming it.
    EXPECT_EQ(Db.GetAncestorID(ClassID("IRemote")), 0);
    EXPECT_EQ(Relations(ClassID("IRemote")), "4:0:IElsewhere;");
    // Class Info of an interface: its members, then its ancestors' level by level.
    TMemberItems items;
    Db.ListClassMembers(stream, items, {});
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2].Name, "_AddRef");
    EXPECT_EQ(items[2].Level, 3);
    // The heritage list after the ancestor, in order, by id where the interface is loaded.
    EXPECT_EQ(Relations(ClassID("TFile")), "1:" + std::to_string(stream) + ":IStream;1:0:IUnknownHere;");
    const TClassRow point = Db.ClassRecord(ClassID("TPoint"));
    EXPECT_EQ(point.Kind, int(TTypeKind::Record));
    EXPECT_EQ(point.AncestorID, 0);
    EXPECT_EQ(Db.ClassRecord(ClassID("TOld")).Kind, int(TTypeKind::Object));
    EXPECT_EQ(Db.GetMemberFlags(ClassID("TOld"), "Run") & KindMethod, KindMethod);
}

// A class derives from a class: System's TObject, not the object type TObject of another unit
// that the class's unit does not use.
TEST_F(Types, AClassDerivesFromAClassOfTheName) {
    Db.LoadUnit(Write("Objects.pas", "unit Objects;\ninterface\ntype\n  TObject = object\n    procedure Init;\n  end;\n"));
    Db.LoadUnit(Write("Controls.pas", "unit Controls;\ninterface\ntype\n  TControl = class(TObject) end;\n"));
    EXPECT_EQ(Db.GetAncestorID(ClassID("TControl")), Db.ClassesIDByNameIndex("TObject", 0));
    EXPECT_EQ(Db.ClassRecord(Db.GetAncestorID(ClassID("TControl"))).Kind, int(TTypeKind::Class));
}

// A unit's own type hides one of the same name in another unit, as the compiler sees it: the
// heritage list and the implicit IInterface name this unit's, whichever was stored first.
TEST_F(Types, AUnitsOwnTypeHidesAnotherUnitsOfTheName) {
    Db.LoadUnit(Write("Lib.pas", "unit Lib;\ninterface\ntype\n  IInterface = interface\n  end;\n"
                                 "  TShape = class(TObject)\n  end;\nimplementation\nend.\n"));
    Db.LoadUnit(Write("Shapes.pas", "unit Shapes;\ninterface\ntype\n  IInterface = interface\n  end;\n"
                                    "  IDrawable = interface\n  end;\n  TShape = class(TObject, IDrawable)\n  end;\n"
                                    "  TCircle = class(TShape)\n  end;\nimplementation\nend.\n"));
    const int shapes = Db.UnitsIDByNameIndex("Shapes", 0);
    for (const char* Derived : {"TCircle", "IDrawable"})
        EXPECT_EQ(Db.GetClassUnitID(Db.GetAncestorID(ClassID(Derived))), shapes) << Derived;
}

// An interface that names no ancestor derives from the interface IUnknown, never from a class of
// that name, as Delphi 2.0's OLE units declare one.
TEST_F(Types, AnInterfaceDoesNotDeriveFromAClassOfTheImplicitName) {
    {
        TVCLDB::TUseDialect old(Db, TDialect::Delphi2);
        Db.LoadUnit(Write("Ole2.pas", "unit Ole2;\ninterface\ntype\n  IUnknown = class\n    procedure AddRef; virtual; abstract;\n  end;\n"
                                      "implementation\nend.\n"));
    }
    Db.LoadUnit(Write("Intf.pas", "unit Intf;\ninterface\ntype\n  IReader = interface\n    function Read: Integer;\n  end;\n"));
    EXPECT_EQ(Db.GetAncestorID(ClassID("IReader")), 0);
    Db.LoadUnit(Write("Base.pas", "unit Base;\ninterface\ntype\n  IUnknown = interface\n    function _AddRef: Integer;\n  end;\n"
                                  "  IWriter = interface\n  end;\n"));
    const int ancestor = Db.GetAncestorID(ClassID("IWriter"));
    ASSERT_NE(ancestor, 0);
    EXPECT_EQ(Db.ClassRecord(ancestor).Kind, int(TTypeKind::Interface)) << "the interface of the name, once there is one";
}

// Who implements an interface: the classes naming it, each with the descendants that implement
// it through it; and a class's interfaces, its own and its ancestors', level by level.
TEST_F(Types, ImplementersAndInterfacesOfAClass) {
    Db.LoadUnit(Write("Intf.pas", "unit Intf;\ninterface\ntype\n  IReader = interface end;\n  IWriter = interface end;\n"));
    // Named before its unit was loaded: found by name.
    Db.LoadUnit(Write("Early.pas", "unit Early;\ninterface\ntype\n  TEarly = class(TObject, IDumper) end;\n"));
    Db.LoadUnit(Write("Dump.pas", "unit Dump;\ninterface\ntype\n  IDumper = interface end;\n"));
    Db.LoadUnit(Write("Files.pas", "unit Files;\ninterface\nuses Intf;\ntype\n"
                                   "  TFile = class(TObject, IReader, IWriter) end;\n  TLog = class(TFile, IWriter) end;\n"
                                   "  TTail = class(TLog) end;\n  TPipe = class(TObject, IReader) end;\n"));
    auto rows = [](const TDescendants& Tree) {
        std::string text;
        for (const TDescendant& d : Tree) text += std::string(size_t(d.Depth), ' ') + d.Name + ";";
        return text;
    };
    TTypeQueries types(Db);
    EXPECT_EQ(rows(types.Implementers(ClassID("IReader"), false)), "TFile; TLog;  TTail;TPipe;");
    EXPECT_EQ(rows(types.Implementers(ClassID("IReader"), true)), "TFile;TPipe;");
    EXPECT_EQ(rows(types.Implementers(ClassID("IWriter"), false)), "TFile; TLog;  TTail;TLog; TTail;");
    EXPECT_EQ(rows(types.Implementers(ClassID("IDumper"), false)), "TEarly;");
    std::string interfaces;
    for (const TImplementedInterface& i : types.Interfaces(ClassID("TTail")))
        interfaces += std::to_string(i.Level) + " " + i.ClassName + " " + i.Name + " " + i.UnitName + ";";
    EXPECT_EQ(interfaces, "2 TLog IWriter Intf;3 TFile IReader Intf;3 TFile IWriter Intf;");
}

// An interface's GUID as declared, in quotes between brackets; a constant's name gives none.
TEST_F(Types, InterfacesKeepTheirGuids) {
    Db.LoadUnit(Write("Guids.pas", "unit Guids;\ninterface\ntype\n"
                                   "  IPlain = interface\n    ['{00000000-0000-0000-C000-000000000046}']\n    procedure Run;\n  end;\n"
                                   "  IBare = interface(IPlain)\n    procedure Stop;\n  end;\n"
                                   "  INamed = interface\n    [SID_Named]\n  end;\n"
                                   "  IDisp = dispinterface ['{ABCDEF01-2345-6789-ABCD-EF0123456789}']\n    procedure Go; dispid 1;\n  end;\n"
                                   "  TUser = class(TObject, IPlain)\n    procedure Run;\n  end;\n"));
    TTypeQueries types(Db);
    EXPECT_EQ(types.Guid(ClassID("IPlain")), "{00000000-0000-0000-C000-000000000046}");
    EXPECT_EQ(types.Guid(ClassID("IBare")), "");
    EXPECT_EQ(types.Guid(ClassID("INamed")), "");
    EXPECT_EQ(types.Guid(ClassID("IDisp")), "{ABCDEF01-2345-6789-ABCD-EF0123456789}");
    // The GUID names no type: the class's interfaces are as before.
    ASSERT_EQ(types.Interfaces(ClassID("TUser")).size(), 1u);
    TMemberItems items;
    Db.ListClassMembers(ClassID("IPlain"), items, {});
    ASSERT_EQ(items.size(), 1u) << "the GUID is no member";
    EXPECT_EQ(items[0].Name, "Run");
}

// Class Info's rows beyond the members: each level's interfaces after that level's members, and
// the members the helpers of the type and of its ancestors add, as the filter admits them.
TEST_F(Types, ClassInfoListsInterfacesByLevelAndWhatHelpersAdd) {
    Db.LoadUnit(Write("Intf.pas", "unit Intf;\ninterface\ntype\n  IReader = interface\n    function Read: Integer;\n  end;\n"
                                  "  IWriter = interface\n    procedure Write;\n  end;\n"));
    Db.LoadUnit(Write("Files.pas", "unit Files;\ninterface\nuses Intf;\ntype\n"
                                   "  TFile = class(TObject, IReader, IWriter)\n    function Read: Integer;\n    procedure Write;\n  end;\n"
                                   "  TLog = class(TFile, IWriter, IMissing)\n  private\n    FLines: Integer;\n  end;\n"
                                   "  TFileHelper = class helper for TFile\n    procedure Rewind;\n  private\n    FMark: Integer;\n  end;\n"
                                   "  TLogHelper = class helper for TLog\n    function LineCount: Integer;\n  end;\n"
                                   "  TPoint = record\n    X, Y: Integer;\n  end;\n"
                                   "  TPointHelper = record helper for TPoint\n    function Length: Double;\n  end;\n"));
    TTypeQueries types(Db);
    auto rows = [&](const std::string& Class, const TMemberFilter& Filter) {
        TMemberItems items;
        types.ListClassMembers(ClassID(Class), items, Filter);
        std::string text;
        for (const TMemberItem& i : items) {
            if (i.ClassName == "TObject") continue;  // System's, the same for every class
            const auto columns = MemberColumns(i);
            text += columns[0] + " " + columns[1] + " " + columns[2] + " " + columns[4] + ";";
        }
        return text;
    };
    TMemberFilter plain;
    EXPECT_EQ(rows("TLog", plain), "FLines TLog 1 Field;Read TFile 2 Method;Write TFile 2 Method;");
    TMemberFilter all;
    all.ShowInterfaces = all.ShowHelpers = true;
    EXPECT_EQ(rows("TLog", all),
              "FLines TLog 1 Field;IWriter TLog 1 interface;IMissing TLog 1 interface;"
              "Read TFile 2 Method;Write TFile 2 Method;IReader TFile 2 interface;IWriter TFile 2 interface;"
              "LineCount TLogHelper helper Method;Rewind TFileHelper helper Method;FMark TFileHelper helper Field;");
    TMemberFilter noFields = all;
    noFields.ShowFields = false;
    noFields.ShowInterfaces = false;
    EXPECT_EQ(rows("TFile", noFields), "Read TFile 1 Method;Write TFile 1 Method;Rewind TFileHelper helper Method;");
    EXPECT_EQ(rows("TPoint", all), "X TPoint 1 Field;Y TPoint 1 Field;Length TPointHelper helper Method;");
    // A loaded interface's row leads to its declaration; one not loaded leads nowhere.
    TMemberItems items;
    types.ListClassMembers(ClassID("TLog"), items, all);
    EXPECT_EQ(items[1].Place, Db.ClassPlace(ClassID("IWriter")));
    EXPECT_EQ(items[2].Place.UnitID, 0);
    EXPECT_EQ(MemberColumns(items[1])[3], "");
}

// Where a call of an interface's method leads: the method of that name in each implementing class
// (inherited or its own), through derived interfaces too; a class that maps the method to another
// name with a method resolution clause leads to its declaration.
TEST_F(Types, ImplementationsOfAnInterfaceMethod) {
    Db.LoadUnit(Write("Impl.pas", "unit Impl;\ninterface\ntype\n"
                                  "  IReader = interface\n    function Read: Integer;\n  end;\n"
                                  "  IStream = interface(IReader)\n    procedure Write;\n  end;\n"
                                  "  TBase = class\n    function Read: Integer;\n  end;\n"
                                  "  TFile = class(TBase, IReader)\n  end;\n"
                                  "  TLog = class(TFile)\n    function Read: Integer;\n  end;\n"
                                  "  TTail = class(TLog)\n  end;\n"
                                  "  TPipe = class(TObject, IStream)\n    function Read: Integer;\n    procedure Write;\n  end;\n"
                                  "  TMapped = class(TObject, IReader)\n    function IReader.Read = Fetch;\n    function Fetch: Integer;\n  end;\n"
                                  "implementation\nfunction TBase.Read: Integer; begin end;\nfunction TLog.Read: Integer; begin end;\n"
                                  "function TPipe.Read: Integer; begin end;\nprocedure TPipe.Write; begin end;\n"
                                  "function TMapped.Fetch: Integer; begin end;\nend.\n"));
    TTypeQueries types(Db);
    std::string text;
    for (const TOverride& o : types.Implementations(ClassID("IReader"), "READ"))
        text += o.ClassName + " " + std::to_string(o.Place.Line) + (o.Declares ? "" : " mapped") + ";";
    EXPECT_EQ(text, "TBase 29;TLog 30;TMapped 24 mapped;TPipe 31;");
    const TOverrides stream = types.Implementations(ClassID("IStream"), "Read");
    ASSERT_EQ(stream.size(), 1u) << "only TPipe implements IStream";
    EXPECT_EQ(stream[0].ClassName, "TPipe");
}

}  // namespace

}  // namespace qm
