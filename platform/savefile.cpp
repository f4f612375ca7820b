// The program's one file writer, on QSaveFile, with the checks QSaveFile leaves out: a write that
// stops short counts as failed, and a special file is never renamed over.
#include "savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "errors.h"

namespace qm {

namespace {

[[noreturn]] void Fail(const std::string& FileName, const QFileDevice& File) {
    QString Reason = File.errorString();
    if (File.error() == QFileDevice::NoError || Reason.isEmpty()) Reason = QStringLiteral("the write stopped short");
    throw Exception("Cannot write " + FileName + ": " + Reason.toLocal8Bit().toStdString());
}

// QFileDevice::write reports a write that stopped part way as a short count and keeps the
// reason to itself: writing the rest brings the failure and its reason out.
void WriteAll(const std::string& FileName, QFileDevice& File, const QByteArray& Bytes) {
    qint64 Done = 0;
    while (Done < Bytes.size()) {
        const qint64 Written = File.write(Bytes.constData() + Done, Bytes.size() - Done);
        if (Written <= 0) Fail(FileName, File);
        Done += Written;
    }
}

}  // namespace

void WriteFileWhole(const std::string& FileName, const QByteArray& Bytes) {
    const QString Name = QFile::decodeName(QByteArray::fromStdString(FileName));
    const QFileInfo Target(Name);
    // Renaming a temporary file over /dev/full would replace the device itself.
    if (Target.exists() && !Target.isFile() && !Target.isDir()) {
        QFile File(Name);
        if (!File.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) Fail(FileName, File);
        WriteAll(FileName, File, Bytes);
        File.close();
        if (File.error() != QFileDevice::NoError) Fail(FileName, File);
        return;
    }
    QSaveFile File(Name);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) Fail(FileName, File);
    WriteAll(FileName, File, Bytes);  // a failure here leaves the temporary file to ~QSaveFile
    if (!File.commit()) Fail(FileName, File);
}

}  // namespace qm
