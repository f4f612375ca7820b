// A scratch folder for the library tests, with files written into it by relative path.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "scratchdir.h"

namespace qm {

class LibraryTree : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = std::filesystem::temp_directory_path() /
              ScratchDirName("qm_library_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(Dir);
        std::filesystem::create_directories(Dir);
    }
    void TearDown() override { std::filesystem::remove_all(Dir); }
    std::string Write(const std::string& File, const std::string& Text = "unit X;\n") {
        const std::filesystem::path path = Dir / File;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << Text;
        return path.string();
    }
    std::string Folder(const std::string& Name) {
        std::filesystem::create_directories(Dir / Name);
        return (Dir / Name).string();
    }
    std::string Path(const std::string& Name) const { return (Dir / Name).string(); }
    std::filesystem::path Dir;
};

}  // namespace qm
