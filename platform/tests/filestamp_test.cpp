// File stamps: the hash is fixed once and for all (stored hashes must still compare after an
// upgrade), and a stamp tells changed files from unchanged ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "filestamp.h"
#include "scratchdir.h"

namespace fs = std::filesystem;

namespace qm {

TEST(FileStamp, TheHashIsFixedAndTellsTextsApart) {
    // Values stored by earlier runs must keep matching: these are part of the database format.
    struct Case {
        std::string Bytes;
        long long Hash;
    } cases[] = {
        {"", 5855065891314509100LL},
        {"unit Forms;\r\n", 5901269978733332002LL},
        {std::string("unit Forms;\r\n\0", 14), -6426536968925931704LL},
    };
    for (const Case& c : cases) EXPECT_EQ(ContentHash(c.Bytes), c.Hash) << c.Bytes.size();
    // One byte changed anywhere, or bytes swapped, changes the hash.
    const std::string text = "type TA = class(TObject) procedure Run; end;";
    for (size_t at : {size_t(0), size_t(7), size_t(8), text.size() - 1}) {
        std::string edited = text;
        edited[at] ^= 1;
        EXPECT_NE(ContentHash(edited), ContentHash(text)) << at;
    }
    EXPECT_NE(ContentHash("abcdefgh12345678"), ContentHash("12345678abcdefgh"));
}

TEST(FileStamp, StampsTellAnEditFromAnUnchangedFile) {
    const fs::path dir = fs::temp_directory_path() / ScratchDirName("qm_filestamp");
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / "a.pas").string();
    std::ofstream(path, std::ios::binary) << "unit A;";
    TFileStamp first, stat, again;
    ASSERT_TRUE(StampOf(path, first));
    ASSERT_TRUE(StatOf(path, stat));
    EXPECT_EQ(first.Size, 7);
    EXPECT_EQ(first.Hash, ContentHash("unit A;"));
    EXPECT_EQ(stat.Hash, 0);
    EXPECT_TRUE(stat.SameSizeAndTime(first));
    // Same size, other bytes, the time set back: only the hash tells.
    const auto time = fs::last_write_time(path);
    std::ofstream(path, std::ios::binary) << "unit B;";
    fs::last_write_time(path, time);
    ASSERT_TRUE(StampOf(path, again));
    EXPECT_TRUE(again.SameSizeAndTime(first));
    EXPECT_NE(again.Hash, first.Hash);
    // No stamp for what is not a readable regular file.
    EXPECT_FALSE(StampOf((dir / "missing.pas").string(), again));
    EXPECT_FALSE(StatOf(dir.string(), again));
    fs::remove_all(dir);
}

}  // namespace qm
