// The VCL source path from the settings or Delphi's entry, and initializing from an installation.
#include <map>

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
        EXPECT_EQ(db.GetUnitPath(db.UnitsIDByNameIndex("report", 0)),
                  Installation.Root + "/SOURCE//VCL/REPORT.PAS");  // the doubled separator is kept
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

TEST_F(VCLInit, AMissingUnitStopsTheInitialization) {
    MakeInstallation("GRAPHICS");
    TVCLDB db(&Settings, &Installation);
    db.OpenDatabase(DbPath);
    std::string error = VCLDBErrorOf([&] { db.InitializeVCL(); });
    EXPECT_EQ(error, "9: Unable to locate unit: " + Installation.Root + "/SOURCE/VCL/GRAPHICS.PAS");
    EXPECT_EQ(Count("select count(*) from UNITS"), 7);  // SYSTEM to CLASSES stay

    Installation.Root = "";
    db.ReadDelphiSourcePath();
    EXPECT_EQ(VCLDBErrorOf([&] { db.InitializeVCL(); }), "9: Unable to locate unit: /SOURCE/RTL/SYS/SYSTEM.PAS");
    EXPECT_EQ(Count("select count(*) from UNITS"), 0);
}

}  // namespace qm
