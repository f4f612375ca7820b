// Every structured type of a modern unit: interfaces with their ancestors, records, objects, the
// interfaces a class implements.
#include <SQLiteCpp/Database.h>

#include "dbfixture.h"
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

}  // namespace

}  // namespace qm
