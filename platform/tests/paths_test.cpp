#include <gtest/gtest.h>

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

}  // namespace qm
