// Unit names found along the library path as a compiler finds them.
#include "libtree.h"
#include "searchpath.h"

namespace qm {

namespace {

class SearchPath : public LibraryTree {
protected:
    void SetUp() override {
        LibraryTree::SetUp();
        for (const char* file : {"a/Graphics.pas", "b/graphics.pp", "b/Menus.p", "c/System.Classes.pas", "c/Vcl.Forms.pas",
                                 "b/Forms.pas", "a/inc/defs.inc", "b/lclbase.inc"})
            Write(file);
        Path_.Folders = {Folder("a"), Folder("b"), Folder("c")};
    }
    TSearchPath Path_;
};

}  // namespace

// One table for the rules a name is found by: letter case ignored, .pas, .pp and .p, the first
// folder that has the name wins and the others are named, dotted names whole then with the
// namespaces, and the asking unit's own folder before the path.
TEST_F(SearchPath, NamesAreFoundAsACompilerFindsThem) {
    const TUnitResolver resolver(Path_, {"System", "Vcl"});
    struct TCase {
        const char* Name;
        const char* From;
        const char* File;
        std::vector<std::string> PassedOver;
    } cases[] = {
        {"GRAPHICS", "", "a/Graphics.pas", {"b/graphics.pp"}},
        {"graphics", "b", "b/graphics.pp", {"a/Graphics.pas"}},
        {"Menus", "", "b/Menus.p", {}},
        {"System.Classes", "", "c/System.Classes.pas", {}},
        {"Classes", "", "c/System.Classes.pas", {}},
        // A name found as written does not look at the namespaces: Forms of b, not Vcl.Forms.
        {"Forms", "", "b/Forms.pas", {}},
        {"Missing", "", "", {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TUnitFound found = resolver.FindUnit(c.Name, *c.From ? Path(c.From) : std::string());
        EXPECT_EQ(found.File, *c.File ? Path(c.File) : std::string());
        std::vector<std::string> passed;
        for (const std::string& p : c.PassedOver) passed.push_back(Path(p));
        EXPECT_EQ(found.PassedOver, passed);
    }
}

// Listings are kept, yet a unit written into a folder later is found, and one removed is not.
TEST_F(SearchPath, AFolderThatChangesIsReadAgain) {
    const TUnitResolver resolver(Path_);
    EXPECT_FALSE(resolver.FindUnit("Late"));
    std::filesystem::file_time_type before = std::filesystem::last_write_time(Path("c"));
    Write("c/Late.pas");
    std::filesystem::last_write_time(Path("c"), before + std::chrono::seconds(2));
    EXPECT_EQ(resolver.FindUnit("Late").File, Path("c/Late.pas"));
    std::filesystem::remove(Path("c/Late.pas"));
    std::filesystem::last_write_time(Path("c"), before + std::chrono::seconds(4));
    EXPECT_FALSE(resolver.FindUnit("Late"));
}

TEST_F(SearchPath, IncludeFilesAreFoundWithOrWithoutExtensionAndBelowAFolder) {
    const TUnitResolver resolver(Path_);
    EXPECT_EQ(resolver.FindInclude("LCLBASE"), Path("b/lclbase.inc"));
    EXPECT_EQ(resolver.FindInclude("lclbase.inc"), Path("b/lclbase.inc"));
    EXPECT_EQ(resolver.FindInclude("inc\\defs.inc"), Path("a/inc/defs.inc"));
    EXPECT_EQ(resolver.FindInclude("nothing.inc"), "");
}

TEST_F(SearchPath, AFolderIsListedOnce) {
    TSearchPath path;
    EXPECT_TRUE(path.Add("/x/a"));
    EXPECT_FALSE(path.Add("/x/a/"));
    EXPECT_TRUE(path.Add("/x/b"));
    EXPECT_TRUE(path.Remove("/x/a"));
    EXPECT_FALSE(path.Remove("/x/a"));
    EXPECT_EQ(path.Folders, std::vector<std::string>{"/x/b"});
}

}  // namespace qm
