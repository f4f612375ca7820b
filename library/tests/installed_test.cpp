// The installed sources' layout for a target, on small trees shaped like Free Pascal's and
// Lazarus's.
#include "installed.h"
#include "libtree.h"
#include "targets.h"

namespace qm {

namespace {

class Installed : public LibraryTree {
protected:
    void SetUp() override {
        LibraryTree::SetUp();
        for (const char* file : {"fpc/3.2.2/rtl/linux/system.pp", "fpc/3.2.2/rtl/linux/x86_64/syscall.inc",
                                 "fpc/3.2.2/rtl/win64/system.pp", "fpc/3.2.2/rtl/unix/sysutils.pp",
                                 "fpc/3.2.2/rtl/win/sysutils.pp", "fpc/3.2.2/rtl/inc/heaph.inc",
                                 "fpc/3.2.2/rtl/x86_64/math.inc", "fpc/3.2.2/rtl/objpas/objpas.pp",
                                 "fpc/3.2.2/rtl/objpas/classes/classes.inc", "fpc/3.2.2/packages/fcl-image/src/fpimage.pp",
                                 "fpc/3.2.2/packages/fcl-process/src/process.pp",
                                 "fpc/3.2.2/packages/fcl-process/src/unix/process.inc",
                                 "fpc/3.2.2/packages/fcl-process/src/win/process.inc", "fpc/3.10.0/rtl/inc/system.inc",
                                 "fpc/3.9/README", "laz/2.2.6/components/lazutils/lazutf8.pas", "laz/2.2.6/lcl/forms.pp",
                                 "laz/2.2.6/lcl/include/control.inc", "laz/2.2.6/lcl/widgetset/wsforms.pp",
                                 "laz/2.2.6/lcl/nonwin32/messages.pp", "laz/2.2.6/lcl/interfaces/interfaces.pp",
                                 "laz/2.2.6/lcl/interfaces/gtk2/gtk2int.pas", "laz/2.2.6/lcl/interfaces/qt5/qtint.pp"})
            Write(file);
    }
    std::vector<std::string> Relative(const std::vector<std::string>& Folders) {
        std::vector<std::string> relative;
        for (const std::string& f : Folders) relative.push_back(std::filesystem::path(f).lexically_relative(Dir).string());
        return relative;
    }
};

}  // namespace

TEST_F(Installed, TheNewestVersionWithSourcesIsFound) {
    EXPECT_EQ(Relative({NewestVersionFolder(Path("fpc"), "rtl")}), std::vector<std::string>{"fpc/3.10.0"});
    EXPECT_EQ(NewestVersionFolder(Path("nowhere"), "rtl"), "");
    EXPECT_EQ(FindLazarusSources(Path("laz/2.2.6")), Path("laz/2.2.6"));
}

// Each target reads its own platform's folders, best first, and none of another platform's.
TEST_F(Installed, EachTargetReadsItsOwnPlatformFolders) {
    const TInstalledRoots roots{Path("fpc/3.2.2"), Path("laz/2.2.6"), "", "gtk2"};
    const TLibraryLayout linux = LayoutFor(*FindTarget("fpc-linux64"), roots);
    EXPECT_EQ(Relative(linux.UnitFolders),
              (std::vector<std::string>{"fpc/3.2.2/rtl/linux", "fpc/3.2.2/rtl/unix", "fpc/3.2.2/rtl/x86_64",
                                        "fpc/3.2.2/rtl/inc", "fpc/3.2.2/rtl/objpas", "fpc/3.2.2/rtl/objpas/classes",
                                        "laz/2.2.6/components/lazutils", "laz/2.2.6/lcl", "laz/2.2.6/lcl/widgetset",
                                        "laz/2.2.6/lcl/nonwin32", "laz/2.2.6/lcl/interfaces",
                                        "laz/2.2.6/lcl/interfaces/gtk2", "fpc/3.2.2/packages/fcl-image/src",
                                        "fpc/3.2.2/packages/fcl-process/src", "fpc/3.2.2/packages/fcl-process/src/unix"}));
    const std::vector<std::string> includes = Relative(linux.IncludeFolders);
    for (const char* folder : {"fpc/3.2.2/rtl/linux/x86_64", "laz/2.2.6/lcl/include", "fpc/3.2.2/packages/fcl-process/src/unix"})
        EXPECT_NE(std::find(includes.begin(), includes.end(), folder), includes.end()) << folder;
    EXPECT_EQ(std::find(includes.begin(), includes.end(), "fpc/3.2.2/packages/fcl-process/src/win"), includes.end());

    const TLibraryLayout windows = LayoutFor(*FindTarget("fpc-win64"), {Path("fpc/3.2.2"), Path("laz/2.2.6"), "", "qt5"});
    const std::vector<std::string> units = Relative(windows.UnitFolders);
    EXPECT_EQ(units[0], "fpc/3.2.2/rtl/win64");
    EXPECT_EQ(units[1], "fpc/3.2.2/rtl/win");
    for (const char* absent : {"fpc/3.2.2/rtl/linux", "fpc/3.2.2/rtl/unix", "laz/2.2.6/lcl/nonwin32", "laz/2.2.6/lcl/interfaces/gtk2"})
        EXPECT_EQ(std::find(units.begin(), units.end(), absent), units.end()) << absent;
    EXPECT_NE(std::find(units.begin(), units.end(), "laz/2.2.6/lcl/interfaces/qt5"), units.end());
}

// A library path folder that is a Free Pascal or Lazarus tree is taken as that installation, before
// the one found by itself; other folders are not.
TEST_F(Installed, TheLibraryPathNamesTheInstalledSources) {
    const TInstalledRoots named = FindInstalledRoots({Folder("mine"), Path("laz/2.2.6"), Path("fpc/3.2.2"), Path("fpc/3.10.0")});
    EXPECT_EQ(named.FreePascal, Path("fpc/3.2.2"));
    EXPECT_EQ(named.Lazarus, Path("laz/2.2.6"));
    const TInstalledRoots found = FindInstalledRoots({Folder("mine"), Path("laz/2.2.6/lcl"), Path("fpc/3.2.2/rtl")});
    EXPECT_EQ(found.FreePascal, FindFreePascalSources()) << "a folder inside a tree is no tree";
    EXPECT_EQ(found.Lazarus, FindLazarusSources());
}

// A Delphi installation's units are in the folders under its SOURCE folder, as its root gives it
// (letter case as a Windows tree has it); they serve Delphi's targets only, and Free Pascal's
// trees serve none of Delphi's.
TEST_F(Installed, DelphiTargetsReadTheInstallationsSourceFolders) {
    for (const char* file : {"delphi/SOURCE/RTL/SYS/System.pas", "delphi/SOURCE/RTL/WIN/Windows.pas",
                             "delphi/SOURCE/VCL/Forms.pas", "delphi/BIN/DELPHI.HDX", "delphi/LIB/Forms.dcu"})
        Write(file);
    const TInstalledRoots roots{Path("fpc/3.2.2"), Path("laz/2.2.6"), Path("delphi"), "gtk2"};
    for (const char* target : {"delphi-win32", "delphi-win64"})
        EXPECT_EQ(Relative(LayoutFor(*FindTarget(target), roots).UnitFolders),
                  (std::vector<std::string>{"delphi/SOURCE", "delphi/SOURCE/RTL", "delphi/SOURCE/RTL/SYS",
                                            "delphi/SOURCE/RTL/WIN", "delphi/SOURCE/VCL"}))
            << target;
    for (const std::string& folder : LayoutFor(*FindTarget("fpc-linux64"), roots).UnitFolders)
        EXPECT_EQ(folder.find("delphi"), std::string::npos) << folder;
}

}  // namespace qm
