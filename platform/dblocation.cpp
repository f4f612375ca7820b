#include "dblocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qm {

std::string ClassDatabasePath() {
    if (QCoreApplication::instance()) {
        const QString portable = QDir(QCoreApplication::applicationDirPath()).filePath(ClassDatabaseFileName);
        if (QFileInfo::exists(portable)) return QFile::encodeName(portable).toStdString();
    }
    if (QCoreApplication::organizationName().isEmpty()) QCoreApplication::setOrganizationName(OrganizationName);
    if (QCoreApplication::applicationName().isEmpty()) QCoreApplication::setApplicationName(DefaultApplicationName);
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return QFile::encodeName(QDir(dir).filePath(ClassDatabaseFileName)).toStdString();
}

}  // namespace qm
