// The one file writer: a file is replaced whole or keeps its old content, no temporary file stays
// behind, every failure names the file and its reason, and a device is never renamed over.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "errors.h"
#include "filesizelimit.h"
#include "savefile.h"

namespace qm {
namespace {

class WholeFile : public testing::Test {
protected:
    std::string Path(const QString& Name) const { return QFile::encodeName(Folder.filePath(Name)).toStdString(); }
    QStringList Files() const { return QDir(Folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
    static QByteArray Read(const std::string& File) {
        QFile In(QFile::decodeName(QByteArray::fromStdString(File)));
        return In.open(QIODevice::ReadOnly) ? In.readAll() : QByteArray("(unreadable)");
    }
    // The message of the Exception that Write raises; empty when it raises none.
    static std::string Failure(const std::function<void()>& Write) {
        try {
            Write();
        } catch (const Exception& E) {
            return E.Message();
        }
        return {};
    }

    QTemporaryDir Folder;
};

TEST_F(WholeFile, ANewFileAndAReplacedOneHoldJustTheBytesWritten) {
    const std::string File = Path("picture.svg");
    for (const QByteArray& Bytes : {QByteArray("a first, longer text\n"), QByteArray("second\n"), QByteArray(300000, 'x'),
                                    QByteArray()}) {
        WriteFileWhole(File, Bytes);
        EXPECT_EQ(Read(File), Bytes);
    }
    EXPECT_EQ(Files(), QStringList{"picture.svg"}) << "no temporary file left";
}

TEST_F(WholeFile, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const std::string Old = Path("old.pdf");
    WriteFileWhole(Old, "the old picture");
    ASSERT_TRUE(QDir(Folder.path()).mkdir("folder"));
    const struct {
        std::string File;
        rlim_t Limit;  // 0: none
        std::string Reason;
    } Cases[] = {
        {Old, 4096, "File too large"},  // a full disk: the limit stops the write part way
        {Old, 1, "File too large"},
        {Path("new.pdf"), 4096, "File too large"},
        {Path("no/such/folder/new.pdf"), 0, "No such file or directory"},
    };
    for (const auto& C : Cases) {
        std::string Message;
        {
            const TFileSizeLimit Limit(C.Limit ? C.Limit : RLIM_INFINITY);
            Message = Failure([&] { WriteFileWhole(C.File, QByteArray(100000, 'n')); });
        }
        EXPECT_EQ(Message, "Cannot write " + C.File + ": " + C.Reason);
        EXPECT_EQ(Read(Old), "the old picture");
        EXPECT_EQ(Files(), (QStringList{"folder", "old.pdf"})) << C.File;
    }
    EXPECT_EQ(Failure([&] { WriteFileWhole(Path("folder"), "x"); }).rfind("Cannot write " + Path("folder") + ": ", 0), 0u);
}

TEST_F(WholeFile, ADeviceIsWrittenInPlaceAndItsErrorReported) {
    EXPECT_EQ(Failure([] { WriteFileWhole("/dev/full", "bytes"); }), "Cannot write /dev/full: No space left on device");
    EXPECT_EQ(Failure([] { WriteFileWhole("/dev/null", "bytes"); }), "");
    for (const char* Device : {"/dev/full", "/dev/null"}) {
        struct stat Status {};
        ASSERT_EQ(stat(Device, &Status), 0);
        EXPECT_TRUE(S_ISCHR(Status.st_mode)) << Device << " is still the device";
    }
}

}  // namespace
}  // namespace qm
