// Project files read into one description: units, search paths relative to the project, defines,
// and what could not be resolved named.
#include "errors.h"
#include "libtree.h"
#include "projectfiles.h"

namespace qm {

namespace {

class ProjectFiles : public LibraryTree {
protected:
    std::vector<std::string> Paths(const std::vector<std::string>& Relative) {
        std::vector<std::string> paths;
        for (const std::string& r : Relative) paths.push_back(r.empty() ? r : Path(r));
        return paths;
    }
    static std::vector<std::string> Files(const TProjectDescription& P) {
        std::vector<std::string> files;
        for (const TProjectUnit& u : P.Units) files.push_back(u.File);
        return files;
    }
};

// Lazarus project settings: an element per setting with the value in its Value attribute.
std::string LazarusSetting(const std::string& Name, const std::string& Value) {
    return "<" + Name + " Value=\"" + Value + "\"/>";
}

}  // namespace

TEST_F(ProjectFiles, AProgramSourceGivesItsUsesWithTheirFiles) {
    const std::string file = Write("app/Demo.dpr",
                                   "program Demo;\n{ uses Hidden; }\nuses\n  Forms, Main in 'src\\Main.pas' {Form1},\n"
                                   "  Tools in '../lib/it''s.pas';\nbegin\nend.\n");
    const TProjectDescription p = ReadProjectFile(file);
    EXPECT_EQ(p.Name, "Demo");
    EXPECT_EQ(p.MainSource, file);
    ASSERT_EQ(p.Units.size(), 3u);
    EXPECT_EQ(p.Units[0].Name, "FORMS");
    EXPECT_EQ(Files(p), Paths({"", "app/src/Main.pas", "lib/it's.pas"}));
}

TEST_F(ProjectFiles, ALazarusProjectGivesUnitsPathsAndDefines) {
    const std::string file = Write(
        "proj/demo.lpi",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CONFIG><ProjectOptions><General>" + LazarusSetting("Title", "Demo App") +
            "</General><Units Count=\"3\">"
            "<Unit0>" + LazarusSetting("Filename", "demo.lpr") + LazarusSetting("IsPartOfProject", "True") + "</Unit0>"
            "<Unit1>" + LazarusSetting("Filename", "src/main.pas") + LazarusSetting("IsPartOfProject", "True") +
            LazarusSetting("UnitName", "Main") + "</Unit1>"
            "<Unit2>" + LazarusSetting("Filename", "../other/notes.pas") + LazarusSetting("IsPartOfProject", "False") + "</Unit2>"
            "</Units></ProjectOptions><CompilerOptions><SearchPaths>" +
            LazarusSetting("IncludeFiles", "inc;$(ProjOutDir)") +
            LazarusSetting("OtherUnitFiles", "src;../shared/$(TargetOS);$(Unknown)/x") +
            "</SearchPaths><Other>" + LazarusSetting("CustomOptions", "-dUSE_GL -O2&#10;-dLEVEL:=3") +
            "</Other></CompilerOptions></CONFIG>\n");
    const TProjectDescription p = ReadProjectFile(file);
    EXPECT_EQ(p.Name, "Demo App");
    EXPECT_TRUE(p.FreePascal);
    EXPECT_EQ(p.MainSource, Path("proj/demo.lpr"));
    EXPECT_EQ(Files(p), Paths({"proj/src/main.pas"}));
    EXPECT_EQ(p.SearchPath, Paths({"proj/src", "shared/linux"}));
    EXPECT_EQ(p.IncludePath, Paths({"proj/inc", "proj"}));
    EXPECT_EQ(p.Defines, (std::vector<std::string>{"USE_GL", "LEVEL"}));
    EXPECT_EQ(p.Notes, std::vector<std::string>{"$(Unknown) in OtherUnitFiles cannot be resolved"});
}

TEST_F(ProjectFiles, ALazarusPackageGivesItsFiles) {
    const std::string file =
        Write("pkg/base.lpk", "<CONFIG><Package Version=\"5\">" + LazarusSetting("Name", "BasePkg") +
                                  "<CompilerOptions><SearchPaths>" + LazarusSetting("OtherUnitFiles", "units") +
                                  "</SearchPaths></CompilerOptions><Files Count=\"2\"><Item1>" +
                                  LazarusSetting("Filename", "units/basics.pas") + LazarusSetting("UnitName", "Basics") +
                                  "</Item1><Item2>" + LazarusSetting("Filename", "inc/more.inc") +
                                  LazarusSetting("Type", "Include") + "</Item2></Files></Package></CONFIG>");
    const TProjectDescription p = ReadProjectFile(file);
    EXPECT_EQ(p.Name, "BasePkg");
    EXPECT_EQ(p.MainSource, "");
    EXPECT_EQ(Files(p), Paths({"pkg/units/basics.pas"}));
    EXPECT_EQ(p.SearchPath, Paths({"pkg/units"}));
}

// Base's settings under the chosen configuration's, the first configuration when none is named,
// and a variable that cannot be resolved named.
TEST_F(ProjectFiles, ADelphiProjectGivesTheChosenConfigurationsSettings) {
    const std::string file = Write(
        "d/App.dproj",
        "<Project xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">"
        "<PropertyGroup><MainSource>App.dpr</MainSource><Config Condition=\"'$(Config)'==''\">Debug</Config></PropertyGroup>"
        "<PropertyGroup Condition=\"'$(Config)'=='Base' or '$(Base)'!=''\"><Base>true</Base></PropertyGroup>"
        "<PropertyGroup Condition=\"'$(Config)'=='Debug' or '$(Cfg_1)'!=''\"><Cfg_1>true</Cfg_1><CfgParent>Base</CfgParent></PropertyGroup>"
        "<PropertyGroup Condition=\"'$(Config)'=='Release' or '$(Cfg_2)'!=''\"><Cfg_2>true</Cfg_2></PropertyGroup>"
        "<PropertyGroup Condition=\"'$(Base)'!=''\"><DCC_Define>SHARED;$(DCC_Define)</DCC_Define>"
        "<DCC_UnitSearchPath>..\\lib;$(BDS)\\source;$(DCC_UnitSearchPath)</DCC_UnitSearchPath>"
        "<DCC_Namespace>System;Vcl;$(DCC_Namespace)</DCC_Namespace></PropertyGroup>"
        "<PropertyGroup Condition=\"'$(Cfg_1)'!=''\"><DCC_Define>DEBUG;$(DCC_Define)</DCC_Define>"
        "<DCC_UnitSearchPath>debug;$(DCC_UnitSearchPath)</DCC_UnitSearchPath></PropertyGroup>"
        "<PropertyGroup Condition=\"'$(Cfg_2)'!=''\"><DCC_Define>RELEASE;$(DCC_Define)</DCC_Define></PropertyGroup>"
        "<ItemGroup><DelphiCompile Include=\"$(MainSource)\"><MainSource>MainSource</MainSource></DelphiCompile>"
        "<DCCReference Include=\"Forms\\Main.pas\"><Form>MainForm</Form></DCCReference>"
        "<DCCReference Include=\"rtl.dcp\"/>"
        "<BuildConfiguration Include=\"Base\"><Key>Base</Key></BuildConfiguration>"
        "<BuildConfiguration Include=\"Debug\"><Key>Cfg_1</Key><CfgParent>Base</CfgParent></BuildConfiguration>"
        "<BuildConfiguration Include=\"Release\"><Key>Cfg_2</Key><CfgParent>Base</CfgParent></BuildConfiguration>"
        "</ItemGroup></Project>");
    const TProjectDescription debug = ReadProjectFile(file);
    EXPECT_EQ(debug.MainSource, Path("d/App.dpr"));
    EXPECT_EQ(Files(debug), Paths({"d/Forms/Main.pas"}));
    EXPECT_EQ(debug.Defines, (std::vector<std::string>{"DEBUG", "SHARED"}));
    EXPECT_EQ(debug.Namespaces, (std::vector<std::string>{"System", "Vcl"}));
    EXPECT_EQ(debug.SearchPath, Paths({"d/debug", "lib"}));
    EXPECT_EQ(debug.Notes, std::vector<std::string>{"$(BDS) in DCC_UnitSearchPath cannot be resolved"});
    const TProjectDescription release = ReadProjectFile(file, "Release");
    EXPECT_EQ(release.Defines, (std::vector<std::string>{"RELEASE", "SHARED"}));
    EXPECT_EQ(release.SearchPath, Paths({"lib"}));
    // The choice offered: the configurations in the file's order, without Base; none for a
    // program source.
    EXPECT_EQ(ProjectConfigurations(file), (std::vector<std::string>{"Debug", "Release"}));
    try {
        ReadProjectFile(file, "Profile");
        ADD_FAILURE() << "a configuration the file does not have was taken";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), file + " has no configuration Profile (it has Debug, Release)");
    }
    EXPECT_EQ(ProjectConfigurations(Write("d/App.dpr", "program App;\nbegin\nend.\n")), std::vector<std::string>{});
}

TEST_F(ProjectFiles, AFileThatIsNoProjectIsNamedWithTheFault) {
    const struct {
        const char* File;
        const char* Text;
        const char* Message;
    } cases[] = {
        {"cut.lpi", "<CONFIG><ProjectOptions>", "cut.lpi is not a project file: "},
        {"notes.txt", "", "notes.txt is not a project file: .dpr, .lpr, .lpi, .lpk or .dproj"},
        {"x.dproj", "<CONFIG/>", "x.dproj is not a project file: no MSBuild project"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        try {
            ReadProjectFile(Write(c.File, c.Text));
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_NE(e.Message().find(std::string(c.Message)), std::string::npos) << e.Message();
        }
    }
}

}  // namespace qm
