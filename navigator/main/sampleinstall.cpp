// Finding the sample installation.
#include "sampleinstall.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qm {

std::string TInstallationOrSample::RootDir() {
    std::string Root = FEntry.RootDir();
    return Root.empty() ? FSample : Root;
}

std::string FindSampleInstallation(const std::string& BuildTreeSample) {
    const QString Installed =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/quillmap2/delphi2"));
    for (const QString& Candidate : {Installed, QString::fromStdString(BuildTreeSample)})
        if (!Candidate.isEmpty() && QFileInfo(Candidate + QStringLiteral("/SOURCE/VCL")).isDir())
            return QDir::cleanPath(QFileInfo(Candidate).absoluteFilePath()).toStdString();
    return {};
}

}  // namespace qm
