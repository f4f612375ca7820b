#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "errors.h"
#include "paths.h"

namespace fs = std::filesystem;

namespace qm {

class PathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Root = fs::temp_directory_path() /
               ("qm_paths_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Root);
        fs::create_directories(Root / "Source" / "Vcl");
        std::ofstream(Root / "Source" / "Vcl" / "Forms.pas", std::ios::binary) << "unit Forms;\r\n";
    }
    void TearDown() override { fs::remove_all(Root); }
    std::string At(const std::string& Rest) const { return Root.string() + Rest; }

    fs::path Root;
};

TEST_F(PathsTest, FindsFilesWhateverTheSeparatorsAndLetterCase) {
    const std::string real = (Root / "Source" / "Vcl" / "Forms.pas").string();
    for (const char* spelled : {"/Source/Vcl/Forms.pas", "\\SOURCE\\VCL\\FORMS.PAS",
                                "/source\\\\vcl/forms.PAS", "/SOURCE/./Vcl/FORMS.pas"}) {
        SCOPED_TRACE(spelled);
        EXPECT_TRUE(FileExists(At(spelled)));
        EXPECT_EQ(fs::path(ResolvePath(At(spelled))).lexically_normal(), fs::path(real).lexically_normal());
        EXPECT_EQ(ReadFileBytes(At(spelled)), "unit Forms;\r\n");
    }
}

TEST_F(PathsTest, MissingFilesAndDirectoriesAreNotFiles) {
    EXPECT_FALSE(FileExists(At("/Source/Vcl/Controls.pas")));
    EXPECT_FALSE(FileExists(At("/Source/Rtl/Forms.pas")));
    EXPECT_FALSE(FileExists(At("/SOURCE/VCL")));
    EXPECT_FALSE(FileExists(""));
    try {
        ReadFileBytes(At("/Source/Vcl/Controls.pas"));
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + At("/Source/Vcl/Controls.pas"));
    }
}

#ifndef _WIN32
// A stored path names its own file: the same name in another letter case is another file, or none.
TEST_F(PathsTest, ExactPathsTellLetterCaseApart) {
    EXPECT_TRUE(FileExists(At("\\Source\\Vcl\\Forms.pas"), TPathMatch::Exact));
    EXPECT_EQ(ReadFileBytes(At("/Source/Vcl/Forms.pas"), TPathMatch::Exact), "unit Forms;\r\n");
    for (const char* other : {"/Source/Vcl/FORMS.PAS", "/source/Vcl/Forms.pas"}) {
        SCOPED_TRACE(other);
        EXPECT_EQ(ResolvePath(At(other), TPathMatch::Exact), At(other));
        EXPECT_FALSE(FileExists(At(other), TPathMatch::Exact));
        EXPECT_THROW(ReadFileBytes(At(other), TPathMatch::Exact), EFOpenError);
        EXPECT_TRUE(FileExists(At(other)));  // a spelled name still finds it
    }
}
#endif

// A folder's listing, kept to match letter case, follows every entry added, removed or renamed:
// the folder's time changes with each, also for a folder listed long after it last changed.
TEST_F(PathsTest, LetterCaseFollowsFolderChanges) {
    const fs::path vcl = Root / "Source" / "Vcl";
    auto age = [&] { fs::last_write_time(vcl, fs::file_time_type::clock::now() - std::chrono::hours(1)); };
    age();
    EXPECT_FALSE(FileExists(At("/Source/Vcl/CONTROLS.PAS")));
    std::ofstream(vcl / "Controls.pas", std::ios::binary) << "unit Controls;\r\n";
    EXPECT_EQ(ResolvePath(At("/Source/Vcl/CONTROLS.PAS")), At("/Source/Vcl/Controls.pas"));
    age();
    EXPECT_TRUE(FileExists(At("/Source/Vcl/controls.pas")));
    fs::rename(vcl / "Controls.pas", vcl / "Menus.pas");
    EXPECT_FALSE(FileExists(At("/Source/Vcl/controls.pas")));
    EXPECT_EQ(ResolvePath(At("/Source/Vcl/MENUS.PAS")), At("/Source/Vcl/Menus.pas"));
}

// However long a stored path is (a damaged setting, a generated file), resolving it takes time
// in proportion to its length: ten megabytes of components are handed back as they are.
TEST_F(PathsTest, VeryLongPathsAreNotSearched) {
    std::string path = At("/source");
    while (path.size() < 10'000'000) path += "/a\\b";
    const std::string resolved = ResolvePath(path);
    EXPECT_EQ(resolved.size(), path.size());
    EXPECT_FALSE(FileExists(path));
    EXPECT_THROW(ReadFileBytes(path), EFOpenError);
    // Within the system's limit a missing long component still gets its letter case matched.
    EXPECT_EQ(ResolvePath(At("/SOURCE/VCL/") + std::string(300, 'x')), At("/Source/Vcl/") + std::string(300, 'x'));
}

#ifndef _WIN32
TEST(AbsolutePath, MakesOnePathOfEverySpelling) {
    const std::string cwd = fs::current_path().string();
    const std::string parent = fs::current_path().parent_path().string();
    struct TCase {
        std::string Given, Expected;
    };
    for (const TCase& c : std::vector<TCase>{{"long.pas", cwd + "/long.pas"},
                                             {"./long.pas", cwd + "/long.pas"},
                                             {"a/../long.pas", cwd + "/long.pas"},
                                             {"../x//y/./z.pas", parent + "/x/y/z.pas"},
                                             {"/abs//dir/./long.pas", "/abs/dir/long.pas"},
                                             {"\\abs\\dir\\LONG.PAS", "/abs/dir/LONG.PAS"},
                                             {"/../..", "/"}}) {
        EXPECT_EQ(AbsolutePath(c.Given), c.Expected) << c.Given;
    }
}
#endif

}  // namespace qm
