// The VCL source path from the settings or Delphi's entry, and initializing from an installation.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>

#include <SQLiteCpp/Database.h>

#include "dbfixture.h"
#include "settingsstore.h"
#include "vclunits.h"

namespace qm {

namespace {

class TMemorySettings : public TSettingsStore {
public:
    std::string ReadSetting(const std::string& Name, const std::string& Default) override {
        auto it = Values.find(Name);
        return it == Values.end() ? Default : it->second;
    }
    void WriteSetting(const std::string& Name, const std::string& Value) override { Values[Name] = Value; }
    std::map<std::string, std::string> Values;
};

class TFixedInstallation : public TDelphiInstallation {
public:
    std::string RootDir() override {
        if (Broken) throw ERegistryException("Failed to get data for 'RootDir'");
        return Root;
    }
    std::string Root;
    bool Broken = false;
};

class VCLInit : public DbTest {
protected:
    // A tiny installation: each unit declares one class derived from the previous unit's,
    // file names in mixed case as copied from Windows.
    void MakeInstallation(const std::string& Skip = "") {
        std::string ancestor;
        auto write = [&](const std::string& path, const std::string& name) {
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            std::string cls = "T" + name + "Thing";
            std::string heading = ancestor.empty() ? "TObject = class" : cls + " = class(" + ancestor + ")";
            if (name != Skip) std::ofstream(path) << "unit " << name << ";\ntype\n  " << heading << "\n  end;\nend.\n";
            ancestor = ancestor.empty() ? "TObject" : cls;
        };
        std::string source = (Dir / "Delphi 2.0" / "Source").string() + "/";
        for (const TVCLUnitName& unit : VCLUnitNames) {
            std::string name = unit.Name;
            std::string file = name;  // every other letter in lower case
            for (size_t i = 1; i < file.size(); i += 2) file[i] = char(std::tolower(file[i]));
            std::string dir = unit.SubDir;
            std::replace(dir.begin(), dir.end(), '\\', '/');
            write(source + dir + file + ".pas", name);
        }
        write(source + "VCL/Report.pas", "REPORT");
        Installation.Root = (Dir / "Delphi 2.0").string();
    }

    // Every unit row, read through a connection of its own.
    std::string DumpUnits() {
        SQLite::Database db(DbPath, SQLite::OPEN_READONLY);
        return db.execAndGet("select group_concat(ID || ' ' || Name || ' ' || Path, ';') from UNITS").getString();
    }

    TMemorySettings Settings;
    TFixedInstallation Installation;
};

}  // namespace

TEST_F(VCLInit, SourcePathComesFromTheSettingsOrDelphisEntry) {
    Installation.Root = "/opt/delphi";
    {
        TVCLDB db(&Settings, &Installation);
        EXPECT_EQ(db.VCLSourcePath, "/opt/delphi/SOURCE/");
        db.VCLSourcePath = "/elsewhere/SOURCE/";
    }
    EXPECT_EQ(Settings.Values["VCLSourcePath"], "/elsewhere/SOURCE/");  // stored at destruction
    EXPECT_EQ(TVCLDB(&Settings, &Installation).VCLSourcePath, "/elsewhere/SOURCE/");

    Settings.Values["VCLSourcePath"] = "";  // an empty stored path falls back to the entry
    EXPECT_EQ(TVCLDB(&Settings, &Installation).VCLSourcePath, "/opt/delphi/SOURCE/");
    Settings.Values.clear();
    Installation.Root = "";  // no entry
    EXPECT_EQ(TVCLDB(&Settings, &Installation).VCLSourcePath, "/SOURCE/");
    Settings.Values.clear();
    Installation.Broken = true;
    EXPECT_EQ(TVCLDB(&Settings, &Installation).VCLSourcePath, "");
}

TEST_F(VCLInit, InitializeLoadsTheFortyNineUnitsInOrder) {
    MakeInstallation();
    LoadLibrary();  // thrown away by the initialization
    {
        TVCLDB db(&Settings, &Installation);
        db.OpenDatabase(DbPath);
        EXPECT_FALSE(db.VCLLoaded);
        db.InitializeVCL();
        // Names as the list spells them, paths as the files were found.
        const int report = db.UnitsIDByNameIndex("report", 0);
        EXPECT_EQ(db.GetUnitName(report), "REPORT");
        EXPECT_EQ(db.GetUnitPath(report), Installation.Root + "/Source/VCL/Report.pas");
        EXPECT_EQ(db.GetUnitPath(db.UnitsIDByNameIndex("SysUtils", 0)), Installation.Root + "/Source/RTL/SYS/SySuTiLs.pas");
        EXPECT_EQ(db.FirstNonVCLUnitID(), NoImpLN);
    }
    EXPECT_EQ(Count("select count(*) from UNITS"), 49);
    EXPECT_EQ(Count("select count(*) from CLASSES where Name = 'TForm'"), 0);
    EXPECT_EQ(Count("select upper(Name) = 'SYSTEM' from UNITS order by ID limit 1"), 1);
    EXPECT_EQ(Count("select upper(Name) = 'REPORT' from UNITS order by ID desc limit 1"), 1);
    TVCLDB reopened;
    reopened.OpenDatabase(DbPath);
    EXPECT_TRUE(reopened.VCLLoaded);
}

// A failed or interrupted initialization leaves the database exactly as it was; the count of
// units it loaded tells the first unit's absence from a later one's.
TEST_F(VCLInit, AFailedInitializationLosesNothing) {
    LoadLibrary();
    const std::string rows = DumpUnits();
    MakeInstallation("GRAPHICS");
    TVCLDB db(&Settings, &Installation);
    db.OpenDatabase(DbPath);
    EXPECT_EQ(VCLDBErrorOf([&] { db.InitializeVCL(); }),
              "9: Unable to locate unit: " + Installation.Root + "/SOURCE/VCL/GRAPHICS.PAS");
    EXPECT_EQ(db.InitializeLoadedUnits, 7);  // SYSTEM to CLASSES had loaded
    EXPECT_EQ(DumpUnits(), rows);
    EXPECT_EQ(db.ClassCountByName("TForm"), 1);  // no cached answer from inside the failed run

    Installation.Root = "";
    db.ReadDelphiSourcePath();
    EXPECT_EQ(VCLDBErrorOf([&] { db.InitializeVCL(); }), "9: Unable to locate unit: /SOURCE/RTL/SYS/SYSTEM.PAS");
    EXPECT_EQ(db.InitializeLoadedUnits, 0);
    EXPECT_EQ(DumpUnits(), rows);

    // A unit refused half-way, and a stop asked for by the progress handler.
    MakeInstallation();
    std::ofstream(Dir / "Delphi 2.0" / "Source" / "VCL" / "MeNuS.pas") << "unit MENUS;\nend.\n";
    db.ReadDelphiSourcePath();
    EXPECT_THROW(db.InitializeVCL(), EVCLDBError);
    EXPECT_EQ(DumpUnits(), rows);
    MakeInstallation();
    int progress = 0;
    db.OnProgress = {[](void* n, TVCLDB&) {
                         if (++*static_cast<int*>(n) == 30) throw EAbort();
                     },
                     &progress};
    EXPECT_THROW(db.InitializeVCL(), EAbort);
    EXPECT_EQ(DumpUnits(), rows);
    db.OnProgress = {};
    db.InitializeVCL();  // nothing was left open
    EXPECT_EQ(Count("select count(*) from UNITS"), 49);
}

// Killed in the middle (kill -9 of the process), the initialization leaves no trace either.
TEST_F(VCLInit, AKilledInitializationLosesNothing) {
    LoadLibrary();
    const std::string rows = DumpUnits();
    MakeInstallation();
    Db.OpenDatabase((Dir / "elsewhere.db").string());  // the child's connection must be the only one
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TVCLDB db(&Settings, &Installation);
        db.OpenDatabase(DbPath);
        int progress = 0;
        db.OnProgress = {[](void* n, TVCLDB&) {
                             if (++*static_cast<int*>(n) == 40) kill(getpid(), SIGKILL);
                         },
                         &progress};
        db.InitializeVCL();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(DumpUnits(), rows);
    EXPECT_EQ(Count("select count(*) from CLASSES where Name = 'TSYSUTILSThing'"), 0);
}

}  // namespace qm
