// Shared by the help tests: a scratch folder per test, index files written by the writer, and a
// viewer that records what it was asked.
#pragma once

#include "scratchdir.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "delphihelp.h"
#include "hdxwriter.h"

namespace qm::test {

class TRecordingViewer : public THelpViewer {
public:
    std::vector<std::string> Calls;
    bool Reached = true;

    void ShowContents(const std::string& HelpFile) override {
        Calls.push_back("contents " + HelpFile);
    }
    bool JumpToTopic(const std::string& HelpFile, const std::string& TopicID) override {
        Calls.push_back("jump " + HelpFile + " " + TopicID);
        return Reached;
    }
};

// The message of the Exception that Action raises; empty when it raises none.
inline std::string ErrorMessage(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

// A folder under the system's temporary directory, removed after the test.
class TScratchTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        Dir = std::filesystem::temp_directory_path() / ScratchDirName("qm_help_" + name);
        std::filesystem::remove_all(Dir);
        std::filesystem::create_directories(Dir);
    }
    void TearDown() override { std::filesystem::remove_all(Dir); }

    std::string Write(const std::string& Name, const std::string& Bytes) {
        std::filesystem::path path = Dir / Name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << Bytes;
        return path.string();
    }

    std::filesystem::path Dir;
};

// Keywords with topic ids made from them ("T_" + keyword), all in the first help file.
inline std::vector<THdxKeyword> Keywords(std::initializer_list<const char*> Words) {
    std::vector<THdxKeyword> list;
    for (const char* w : Words) list.push_back({w, std::string("T_") + w, "", 0});
    return list;
}

// Where the block size byte lies in the header the writer made.
inline size_t BlockSizeOffset(const std::string& Image) {
    size_t pos = 23;
    int names = uint8_t(Image[pos++]);
    while (names-- > 0) pos += 1 + uint8_t(Image[pos]);
    return pos;
}

// The file offset of a block, read from the header the writer made.
inline size_t BlockOffset(const std::string& Image, size_t Block) {
    size_t pos = BlockSizeOffset(Image);
    size_t size = uint8_t(Image[pos]) * 1024;
    size_t base = uint8_t(Image[pos + 1]) | uint8_t(Image[pos + 2]) << 8;
    return base + Block * size;
}

}  // namespace qm::test
