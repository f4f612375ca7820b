// The database file: schema on a new file, emptying, the VCL count, and files that are not
// databases, read-only or locked.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "dbfixture.h"
#include "dbopen.h"
#include "descramble.h"
#include "treeload.h"

namespace qm {

namespace {

// A folder that can be made read-only: a tmpfs remounted read-only when the test runs as root
// (who writes anywhere else), else a folder without write access.
class TReadOnlyMedia {
public:
    explicit TReadOnlyMedia(std::filesystem::path Folder) : FFolder(std::move(Folder)) {
        std::filesystem::create_directories(FFolder);
        FMounted = FRoot && mount("tmpfs", FFolder.c_str(), "tmpfs", 0, "size=4m") == 0;
    }
    ~TReadOnlyMedia() {
        if (FMounted) umount2(FFolder.c_str(), MNT_DETACH);
        else std::filesystem::permissions(FFolder, std::filesystem::perms::owner_all);
    }
    TReadOnlyMedia(const TReadOnlyMedia&) = delete;
    TReadOnlyMedia& operator=(const TReadOnlyMedia&) = delete;

    bool Usable() const { return FMounted || !FRoot; }
    std::string File(const std::string& Name) const { return (FFolder / Name).string(); }
    void MakeReadOnly() {
        if (FMounted) ASSERT_EQ(mount(nullptr, FFolder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        else std::filesystem::permissions(FFolder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }

private:
    std::filesystem::path FFolder;
    bool FRoot = geteuid() == 0;
    bool FMounted = false;
};

std::string Bytes(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs every kind of write on Db (a load, emptying, initialization, a removal, a tree load) and
// returns the error message of each; UnitsRead counts the units the tree load began.
std::vector<std::string> ErrorsOfEveryWrite(TVCLDB& Db, int& UnitsRead) {
    Db.VCLSourcePath = QM_SOURCE_DIR "/samples/delphi2/SOURCE/";
    const std::string unit = QM_TESTDATA_DIR "/classdb/Classes.pas";
    const std::function<void()> writes[] = {
        [&] { Db.LoadUnit(unit); },
        [&] { Db.EmptyDatabase(); },
        [&] { Db.InitializeVCL(); },
        [&] {
            TStringItems units;
            Db.CollectDependants(1, units);
            Db.DeleteDependants();
        },
        [&] {
            TTreeLoader loader(Db);
            loader.OnUnit = [&](int, int) { ++UnitsRead; };
            loader.Load({unit, QM_TESTDATA_DIR "/classdb/Controls.pas"});
        },
    };
    std::vector<std::string> errors;
    for (const auto& write : writes) errors.push_back(DatabaseErrorOf(write));
    return errors;
}

}  // namespace

TEST_F(DbTest, EmptyDatabaseDropsRowsAndCachedAnswers) {
    LoadLibrary();
    EXPECT_EQ(Db.ClassCountByName("TForm"), 1);
    int form = ClassID("TForm");
    Db.GetClassName(form);
    Db.EmptyDatabase();
    EXPECT_EQ(Count("select (select count(*) from UNITS) + (select count(*) from CLASSES) + (select count(*) from MV)"), 0);
    EXPECT_EQ(Db.ClassCountByName("TForm"), 0);
    EXPECT_THROW(Db.GetClassName(form), EVCLDBError);
    // Ids keep growing after emptying.
    EXPECT_GT(Load("System.pas"), 4);
}

TEST_F(DbTest, VCLLoadedCountsTheUnits) {
    {
        SQLite::Database db(DbPath, SQLite::OPEN_READWRITE);
        SQLite::Transaction t(db);
        for (int i = 0; i < 48; ++i) db.exec("insert into UNITS(Name, Path) values('U', 'P" + std::to_string(i) + "')");
        t.commit();
    }
    TVCLDB other;
    other.OpenDatabase(DbPath);
    EXPECT_FALSE(other.VCLLoaded);
    { SQLite::Database(DbPath, SQLite::OPEN_READWRITE).exec("insert into UNITS(Name, Path) values('U', 'Q')"); }
    other.OpenDatabase(DbPath);
    EXPECT_TRUE(other.VCLLoaded);
}

TEST_F(DbTest, BadDatabaseFilesGiveClearMessages) {
    LoadLibrary();
    // Not a database.
    std::string junk = Write("junk.db", std::string(4096, 'j'));
    TVCLDB other;
    EXPECT_EQ(DatabaseErrorOf([&] { other.OpenDatabase(junk); }), junk + " is not a Quillmap class database");
    EXPECT_FALSE(other.IsOpen());
    EXPECT_THROW(other.GetClassName(1), EDatabaseError);

    // Locked by another writer: the write fails with a message, nothing stored is lost.
    {
        SQLite::Database locker(DbPath, SQLite::OPEN_READWRITE);
        locker.exec("PRAGMA busy_timeout = 0");
        SQLite::Transaction hold(locker);
        locker.exec("insert into UNITS(Name, Path) values('Lock', 'Lock')");
        try {
            Load("UserA.pas");
            ADD_FAILURE() << "loaded";
        } catch (const EDatabaseError& e) {
            EXPECT_NE(e.Message().find("locked"), std::string::npos) << e.Message();
        }
    }
    EXPECT_EQ(Count("select count(*) from UNITS"), 4);

    // Read-only: browsing works, writing says why not.
    if (geteuid() != 0) {  // root writes to read-only files anyway
        std::filesystem::permissions(DbPath, std::filesystem::perms::owner_read);
        TVCLDB readOnly;
        readOnly.OpenDatabase(DbPath);
        EXPECT_EQ(readOnly.ClassCountByName("TForm"), 1);
        EXPECT_THROW(readOnly.LoadUnit(Fixture("UserA.pas")), EDatabaseError);
        std::filesystem::permissions(DbPath, std::filesystem::perms::owner_all);
    }
}

// Another application's SQLite file, or one with our table names but other columns, is refused
// and left exactly as it was; a database of ours made before the mark existed is taken.
TEST_F(DbTest, ForeignAndDamagedFilesAreRefusedUntouched) {
    struct TCase {
        const char* Name;
        const char* Sql;
    };
    for (const TCase& c : {TCase{"notes.db", "create table NOTES(Text); insert into NOTES values('keep me')"},
                           TCase{"columns.db", "create table UNITS(Path, ID, Name); create table CLASSES(ID); "
                                               "create table MV(ClassID)"},
                           TCase{"other.db", "PRAGMA application_id = 1234; create table UNITS(x)"}}) {
        SCOPED_TRACE(c.Name);
        const std::string path = (Dir / c.Name).string();
        { SQLite::Database(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec(c.Sql); }
        const std::string before = Bytes(path);
        TVCLDB other;
        EXPECT_EQ(DatabaseErrorOf([&] { other.OpenDatabase(path); }), path + " is not a Quillmap class database");
        EXPECT_FALSE(other.IsOpen());
        EXPECT_EQ(Bytes(path), before);
        EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
        EXPECT_EQ(SQLite::Database(path).execAndGet("PRAGMA journal_mode").getString(), "delete");
    }

    // Made by an earlier build: our tables, no mark. Taken and marked.
    const std::string older = (Dir / "older.db").string();
    {
        SQLite::Database db(older, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("create table UNITS(ID integer primary key autoincrement, Name text, Path text);"
                "create table CLASSES(ID integer primary key autoincrement, Name, UnitID, IntLN, AncestorID);"
                "create table MV(ClassID, Name, Flags, IntLN, ImpLN, UnitID, unique(ClassID, Name))");
    }
    TVCLDB adopted;
    adopted.OpenDatabase(older);
    adopted.LoadUnit(Fixture("System.pas"));
    EXPECT_EQ(SQLite::Database(older).execAndGet("PRAGMA application_id").getInt(), 0x516D3032);
    // The database of this fixture carries the mark from its creation.
    EXPECT_EQ(SQLite::Database(DbPath).execAndGet("PRAGMA application_id").getInt(), 0x516D3032);
}


// A database on a read-only medium opens for browsing; a write says which file refuses it, before
// any work.
TEST_F(DbTest, ReadOnlyMediaOpenForBrowsing) {
    TReadOnlyMedia media(Dir / "media");
    if (!media.Usable()) GTEST_SKIP() << "cannot mount a tmpfs";
    const std::string path = media.File("classes.db");
    {
        TVCLDB writer;
        writer.OpenDatabase(path);
        writer.LoadUnit(Fixture("System.pas"));
        writer.LoadUnit(Fixture("Classes.pas"));
    }
    media.MakeReadOnly();
    {
        TVCLDB reader;
        reader.OpenDatabase(path);
        EXPECT_TRUE(reader.IsReadOnly());
        EXPECT_EQ(reader.ClassCountByName("TComponent"), 1);
        TMemberItems items;
        reader.ListClassMembers(reader.ClassesIDByNameIndex("TComponent", 0), items, {});
        EXPECT_FALSE(items.empty());
        try {
            reader.LoadUnit(Fixture("UserA.pas"));
            ADD_FAILURE() << "written";
        } catch (const EDatabaseError& e) {
            const std::string refused = path + " can only be read: ";
            EXPECT_EQ(e.Message().substr(0, refused.size()), refused);
        }
        EXPECT_EQ(reader.UnitCount(), 2);
    }
}

// A file of a newer version of the program is read and never written: the opening says so, every
// write fails naming the file, and not a byte of the file changes. One whose tables this version
// cannot read is refused; columns it added after ours are no hindrance.
TEST_F(DbTest, ANewerVersionsFileIsOnlyRead) {
    LoadLibrary();
    const int newer = ClassDatabaseSchemaVersion + 1;
    {
        SQLite::Database(DbPath, SQLite::OPEN_READWRITE)
            .exec("PRAGMA user_version = " + std::to_string(newer) +
                  "; alter table CLASSES add column Later TEXT; alter table UNITS add column Later TEXT");
    }
    Db.OpenDatabase(Write("other.db", ""));  // the file is the other program's alone now
    const std::string before = Bytes(DbPath);
    {
        TVCLDB reader;
        reader.OpenDatabase(DbPath);
        EXPECT_TRUE(reader.IsReadOnly());
        EXPECT_EQ(reader.OpenNotice(), DbPath + " was made by a newer version of Quillmap 2 and is opened for reading only");
        EXPECT_EQ(reader.ClassCountByName("TForm"), 1);
        int unitsRead = 0;
        for (const std::string& error : ErrorsOfEveryWrite(reader, unitsRead))
            EXPECT_EQ(error, DbPath + " was made by a newer version of Quillmap 2 and cannot be changed by this version");
        EXPECT_EQ(unitsRead, 0);
        EXPECT_EQ(reader.UnitCount(), 4);
    }
    EXPECT_EQ(Bytes(DbPath), before);
    EXPECT_EQ(Count("PRAGMA user_version"), newer);

    const std::string changed = (Dir / "changed.db").string();
    {
        SQLite::Database db(changed, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("PRAGMA application_id = " + std::to_string(ClassDatabaseApplicationID) + "; PRAGMA user_version = " +
                std::to_string(newer) + "; create table UNITS(ID, Name, Path, Hash)");
    }
    TVCLDB other;
    EXPECT_EQ(DatabaseErrorOf([&] { other.OpenDatabase(changed); }),
              changed + " was made by a newer version of Quillmap 2 and cannot be read by this version");
}

// Makes a file on the media with Make, turns the media read-only and opens the file there.
template <class F>
std::unique_ptr<TVCLDB> OpenOnReadOnlyMedia(TReadOnlyMedia& Media, const std::string& Name, F&& Make) {
    const std::string file = Media.File(Name);
    Make(file);
    Media.MakeReadOnly();
    auto db = std::make_unique<TVCLDB>();
    db->OpenDatabase(file);
    EXPECT_TRUE(db->IsReadOnly());
    return db;
}

// The tables as versions 1 and 2 of the program made them: no include files, one member a name.
constexpr const char* OlderSchema = R"sql(
    PRAGMA application_id = 1366110258;
    CREATE TABLE UNITS(ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL, Path TEXT NOT NULL);
    CREATE TABLE CLASSES(ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL, UnitID INTEGER NOT NULL,
                         IntLN INTEGER NOT NULL, AncestorID INTEGER NOT NULL);
    CREATE TABLE MV(ClassID INTEGER NOT NULL, Name TEXT NOT NULL, Flags INTEGER NOT NULL, IntLN INTEGER NOT NULL,
                    ImpLN INTEGER NOT NULL, UnitID INTEGER NOT NULL, UNIQUE(ClassID, Name));
    CREATE INDEX MembersByName ON MV(upper(Name));
)sql";

// A file of version 2 comes up to date in place: every row stays, in its order, in its own file,
// and members of one name may then be overloads. Read-only, it is read as it is.
TEST_F(DbTest, AVersion2FileKeepsEveryRowAndTakesOverloads) {
    TReadOnlyMedia media(Dir / "media");
    const std::string unit = Fixture("System.pas");
    auto makeVersion2 = [&](const std::string& Path) {
        SQLite::Database db(Path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(OlderSchema);
        db.exec("insert into UNITS(Name, Path) values('System', '" + unit + "');"
                "insert into CLASSES(Name, UnitID, IntLN, AncestorID) values('TObject', 1, 3, 0), ('TBase', 1, 9, 1);"
                "insert into MV values(2, 'Zeta', 1, 10, 20, 1), (2, 'Alpha', 1, 11, 2147483647, 1);"
                "PRAGMA user_version = 2");
    };
    auto expectRows = [&](TVCLDB& Db) {
        TMemberItems items;
        Db.ListClassMembers(2, items, {});
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(items[0].Name, "Zeta");  // load order survives
        EXPECT_EQ(items[0].Place, (TPlace{1, 20, 0}));
        EXPECT_EQ(items[1].Place, (TPlace{1, 11, 0}));
        EXPECT_EQ(Db.ClassPlace(2), (TPlace{1, 9, 0}));
        EXPECT_EQ(Db.PlaceDiskPath(Db.ClassPlace(2)), unit);
    };
    const std::string writable = (Dir / "version2.db").string();
    makeVersion2(writable);
    {
        TVCLDB upgraded;
        upgraded.OpenDatabase(writable);
        expectRows(upgraded);
    }
    SQLite::Database db(writable, SQLite::OPEN_READWRITE);
    EXPECT_EQ(db.execAndGet("PRAGMA user_version").getInt(), ClassDatabaseSchemaVersion);
    db.exec("insert into MV(ClassID, Name, Flags, IntLN, ImpLN, UnitID, Params) values(2, 'Zeta', 1, 12, 30, 1, '(INTEGER)')");
    EXPECT_EQ(db.execAndGet("select count(*) from MV where Name = 'Zeta'").getInt(), 2);
    EXPECT_THROW(db.exec("insert into MV(ClassID, Name, Flags, IntLN, ImpLN, UnitID) values(2, 'Alpha', 1, 1, 1, 1)"),
                 SQLite::Exception);

    if (!media.Usable()) GTEST_SKIP() << "cannot mount a tmpfs";
    auto reader = OpenOnReadOnlyMedia(media, "version2.db", makeVersion2);
    expectRows(*reader);
}

// Files of version 1 kept each unit's path as given to its load. Brought up to date, a path that
// finds its file only by ignoring letter case takes the file's spelling; a path whose file has
// gone stays. A read-only one keeps its paths and has their letter case matched, as before.
TEST_F(DbTest, AnOlderFilesPathsBecomeTheFilesOwn) {
    TReadOnlyMedia media(Dir / "media");
    const std::string found = Write("Found.pas", ""), spelled = (Dir / "FOUND.PAS").string();
    const std::string gone = (Dir / "Gone.pas").string(), exact = Fixture("System.pas");
    auto makeOlder = [&](const std::string& Path) {
        SQLite::Database db(Path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(OlderSchema);
        db.exec("insert into UNITS(Name, Path) values('FOUND', '" + spelled + "'), ('Gone', '" + gone + "'), ('System', '" +
                exact + "'); PRAGMA user_version = 1");
    };
    const std::string writable = (Dir / "older.db").string();
    makeOlder(writable);
    TVCLDB upgraded;
    upgraded.OpenDatabase(writable);
    EXPECT_FALSE(upgraded.IsReadOnly());
    EXPECT_EQ(upgraded.GetUnitPath(1), found);
    EXPECT_EQ(upgraded.GetUnitPath(2), gone);
    EXPECT_EQ(upgraded.GetUnitPath(3), exact);
    EXPECT_EQ(upgraded.GetUnitDiskPath(1), found);
    EXPECT_EQ(SQLite::Database(writable).execAndGet("PRAGMA user_version").getInt(), ClassDatabaseSchemaVersion);

    if (!media.Usable()) GTEST_SKIP() << "cannot mount a tmpfs";
    auto owned = OpenOnReadOnlyMedia(media, "older.db", makeOlder);
    TVCLDB& reader = *owned;
    EXPECT_EQ(reader.OpenNotice(), "");
    EXPECT_EQ(reader.GetUnitPath(1), spelled);
    EXPECT_EQ(reader.GetUnitDiskPath(1), found);
    EXPECT_EQ(reader.GetUnitDiskPath(3), exact);
}

// The tables as version 3 made them: include files and overloads, no stamps or kinds of type.
constexpr const char* Version3Schema = R"sql(
    PRAGMA application_id = 1366110258;
    CREATE TABLE UNITS(ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL, Path TEXT NOT NULL);
    CREATE TABLE CLASSES(ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL, UnitID INTEGER NOT NULL,
                         IntLN INTEGER NOT NULL, AncestorID INTEGER NOT NULL, FileID INTEGER NOT NULL DEFAULT 0);
    CREATE TABLE MV(ClassID INTEGER NOT NULL, Name TEXT NOT NULL, Flags INTEGER NOT NULL, IntLN INTEGER NOT NULL,
                    ImpLN INTEGER NOT NULL, UnitID INTEGER NOT NULL, IntFileID INTEGER NOT NULL DEFAULT 0,
                    ImpFileID INTEGER NOT NULL DEFAULT 0, Params TEXT NOT NULL DEFAULT '', UNIQUE(ClassID, Name, Params));
    CREATE TABLE FILES(ID INTEGER PRIMARY KEY AUTOINCREMENT, UnitID INTEGER NOT NULL, Path TEXT NOT NULL);
    PRAGMA user_version = 3;
)sql";

// A file of version 3 comes up to date in place with every row, each type a class known by its
// name; read-only, it is read through views with the same answers.
TEST_F(DbTest, AVersion3FileKeepsEveryRowAndGainsTheNewColumns) {
    TReadOnlyMedia media(Dir / "media");
    const std::string unit = Fixture("System.pas");
    auto makeVersion3 = [&](const std::string& Path) {
        SQLite::Database db(Path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(Version3Schema);
        db.exec("insert into UNITS(Name, Path) values('System', '" + unit + "');"
                "insert into FILES(UnitID, Path) values(1, '" + unit + ".inc');"
                "insert into CLASSES(Name, UnitID, IntLN, AncestorID, FileID) values('TObject', 1, 3, 0, 0), ('TBase', 1, 9, 1, 1);"
                "insert into MV values(2, 'Run', 1, 10, 20, 1, 1, 0, '(INTEGER)'), (2, 'Run', 1, 11, 30, 1, 1, 0, '()');");
    };
    auto expectRows = [&](TVCLDB& Db) {
        const TClassRow base = Db.ClassRecord(2);
        EXPECT_EQ(base.QualifiedName, "TBase");
        EXPECT_EQ(base.Kind, 0);
        EXPECT_EQ(base.Arity, 0);
        EXPECT_EQ(base.AncestorID, 1);
        EXPECT_EQ(Db.PlacePath(Db.ClassPlace(2)), unit + ".inc");
        EXPECT_EQ(Db.MemberOverloads(2, "Run").size(), 2u);
        EXPECT_EQ(Db.UnitRecord(1).Generation, 0);
    };
    const std::string writable = (Dir / "version3.db").string();
    makeVersion3(writable);
    {
        TVCLDB upgraded;
        upgraded.OpenDatabase(writable);
        EXPECT_FALSE(upgraded.IsReadOnly());
        expectRows(upgraded);
    }
    SQLite::Database db(writable, SQLite::OPEN_READWRITE);
    EXPECT_EQ(db.execAndGet("PRAGMA user_version").getInt(), ClassDatabaseSchemaVersion);
    EXPECT_EQ(db.execAndGet("select count(*) from RELATIONS").getInt(), 0);
    EXPECT_EQ(db.execAndGet("select count(*) from SEARCHPATH").getInt(), 0);

    if (!media.Usable()) GTEST_SKIP() << "cannot mount a tmpfs";
    auto reader = OpenOnReadOnlyMedia(media, "version3.db", makeVersion3);
    expectRows(*reader);
}

// A hand-edited ancestor cycle: every walk up the chain stops with an error naming the class.
TEST_F(DbTest, AnAncestorCycleEndsEveryWalk) {
    LoadLibrary();
    const int form = ClassID("TForm");
    {
        SQLite::Database db(DbPath, SQLite::OPEN_READWRITE);
        db.exec("update CLASSES set AncestorID = " + std::to_string(form) + " where Name = 'TObject'");
    }
    const std::string error = "10: The ancestors of class TForm do not end within 10000 levels: the class database is damaged";
    TMemberItems items;
    EXPECT_EQ(VCLDBErrorOf([&] { Db.ListClassMembers(form, items, {}); }), error);
    EXPECT_EQ(VCLDBErrorOf([&] { Db.FindMemberClass(form, "Nothing"); }), error);
    Db.CurrentUnitID = Db.UnitsIDByNameIndex("Forms", 0);
    TLineInfoRec info;
    Db.GetLineInfo(Db.GetClassLine(form) + 1, info);
    EXPECT_EQ(info.ClassID, form);
    EXPECT_EQ(VCLDBErrorOf([&] { Db.ResolveIdentifier("NOTHING", Db.GetClassLine(form) + 1, info); }), error);
}

// A file that can only be read (here an older one, read through views) refuses every write before
// any work, naming the file and why; a tree load on it reads no unit.
TEST_F(DbTest, AFileThatCanOnlyBeReadSaysSoBeforeAnyWork) {
    TReadOnlyMedia media(Dir / "media");
    if (!media.Usable()) GTEST_SKIP() << "cannot mount a tmpfs";
    auto owned = OpenOnReadOnlyMedia(media, "older.db", [&](const std::string& Path) {
        SQLite::Database db(Path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(OlderSchema);
        db.exec("insert into UNITS(Name, Path) values('System', '" + Fixture("System.pas") + "');"
                "insert into CLASSES(Name, UnitID, IntLN, AncestorID) values('TObject', 1, 3, 0); PRAGMA user_version = 2");
    });
    int unitsRead = 0;
    const std::string refused = media.File("older.db") + " can only be read: ";
    for (const std::string& error : ErrorsOfEveryWrite(*owned, unitsRead))
        EXPECT_EQ(error.substr(0, refused.size()), refused) << error;
    EXPECT_EQ(unitsRead, 0);
    EXPECT_EQ(owned->UnitCount(), 1);
}

TEST(Descramble, FollowsTheRunningKey) {
    // Seed 0x1234: "A" (0x41) ^ 0x12 = 0x53; the key becomes ((4660 + 65) * 52845 + 22719) mod 65536
    // = 23184 = 0x5A90, so "B" (0x42) ^ 0x5A = 0x18.
    EXPECT_EQ(Descramble("AB", 0x1234), "\x53\x18");
    EXPECT_EQ(Descramble(Descramble("", 7), 7), "");
    EXPECT_EQ(Descramble(std::string(300, 'x'), 1).size(), 255u);
}

}  // namespace qm
