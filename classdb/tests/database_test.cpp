// The database file: schema on a new file, emptying, the VCL count, and files that are not
// databases, read-only or locked.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include <unistd.h>

#include <filesystem>

#include "dbfixture.h"
#include "descramble.h"

namespace qm {

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
    try {
        other.OpenDatabase(junk);
        ADD_FAILURE() << "opened";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), junk + " is not a Quillmap class database");
    }
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

TEST(Descramble, FollowsTheRunningKey) {
    // Seed 0x1234: "A" (0x41) ^ 0x12 = 0x53; the key becomes ((4660 + 65) * 52845 + 22719) mod 65536
    // = 23184 = 0x5A90, so "B" (0x42) ^ 0x5A = 0x18.
    EXPECT_EQ(Descramble("AB", 0x1234), "\x53\x18");
    EXPECT_EQ(Descramble(Descramble("", 7), 7), "");
    EXPECT_EQ(Descramble(std::string(300, 'x'), 1).size(), 255u);
}

}  // namespace qm
