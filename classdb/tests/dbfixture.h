// A class database in a temporary folder, with the fixture units of testdata/classdb at hand.
#pragma once

#include "scratchdir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "vcldb1.h"

namespace qm {

class DbTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = std::filesystem::temp_directory_path() /
              ScratchDirName("qm_classdb_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(Dir);
        std::filesystem::create_directories(Dir);
        DbPath = (Dir / "classes.db").string();
        Db.OpenDatabase(DbPath);
        Db.OnMessage = {[](void* self, TVCLDB&, const std::string& m) { static_cast<DbTest*>(self)->Messages.push_back(m); },
                        this};
    }
    void TearDown() override { std::filesystem::remove_all(Dir); }

    static std::string Fixture(const std::string& Name) { return QM_TESTDATA_DIR "/classdb/" + Name; }
    int Load(const std::string& Name) { return Db.LoadUnit(Fixture(Name)); }
    void LoadLibrary() {
        for (const char* unit : {"System.pas", "Classes.pas", "Controls.pas", "Forms.pas"}) Load(unit);
    }
    // Writes a unit into the temporary folder and returns its path.
    std::string Write(const std::string& FileName, const std::string& Text) {
        std::string path = (Dir / FileName).string();
        std::ofstream(path, std::ios::binary) << Text;
        return path;
    }
    int ClassID(const std::string& Name) { return Db.ClassesIDByNameIndex(Name, 0); }
    int Count(const std::string& Sql);

    std::filesystem::path Dir;
    std::string DbPath;
    TVCLDB Db;
    std::vector<std::string> Messages;
};

// Runs Action and returns the EVCLDBError it raises as "number: message".
template <class F>
std::string VCLDBErrorOf(F&& Action) {
    try {
        Action();
    } catch (const EVCLDBError& e) {
        return std::to_string(e.HelpContext()) + ": " + e.Message();
    }
    return "no error";
}

// Runs Action and returns the message of the EDatabaseError it raises.
template <class F>
std::string DatabaseErrorOf(F&& Action) {
    try {
        Action();
    } catch (const EDatabaseError& e) {
        return e.Message();
    }
    return "no error";
}

}  // namespace qm
