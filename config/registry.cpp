#include "registry.h"

#include <QFile>
#include <QSettings>

#include "format.h"

namespace qm {

namespace {

QString ValueKey(const std::string& SubKey, const std::string& Name) {
    return SubKey.empty() ? SettingsText(Name) : SettingsText(SubKey) + '/' + SettingsText(Name);
}

ERegistryException InvalidDataType(const std::string& Name) {
    return ERegistryException(Format("Invalid data type for '%s'", {Name}));
}

}  // namespace

QString SettingsText(std::string_view Bytes) {
    return QFile::decodeName(QByteArray(Bytes.data(), qsizetype(Bytes.size())));
}

std::string SettingsBytes(const QString& Text) { return QFile::encodeName(Text).toStdString(); }

TRegistry::TRegistry(std::unique_ptr<QSettings> Settings, std::string KeyPath)
    : FSettings(std::move(Settings)), FKeyPath(std::move(KeyPath)) {}

TRegistry::~TRegistry() = default;

bool TRegistry::KeyExists(const std::string& SubKey) const {
    FSettings->beginGroup(SettingsText(SubKey));
    const bool exists = !FSettings->childKeys().isEmpty() || !FSettings->childGroups().isEmpty();
    FSettings->endGroup();
    return exists;
}

QVariant TRegistry::Read(const std::string& SubKey, const std::string& Name) const {
    QVariant value = FSettings->value(ValueKey(SubKey, Name));
    // A file that is malformed in places still gives the values Qt could parse; only a store that
    // cannot be read at all fails.
    if (FSettings->status() == QSettings::AccessError)
        throw ERegistryException(Format("Failed to get data for '%s'", {Name}));
    return value;
}

std::string TRegistry::ReadString(const std::string& SubKey, const std::string& Name,
                                  const std::string& Default) const {
    const QVariant value = Read(SubKey, Name);
    if (!value.isValid()) return Default;
    if (value.typeId() != QMetaType::QString) throw InvalidDataType(Name);
    QString text = value.toString();
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0) text.truncate(zero);
    return SettingsBytes(text);
}

std::optional<QByteArray> TRegistry::ReadBinaryData(const std::string& SubKey, const std::string& Name,
                                                    qsizetype BufSize) const {
    const QVariant value = Read(SubKey, Name);
    if (!value.isValid()) return std::nullopt;
    if (value.typeId() != QMetaType::QByteArray || value.toByteArray().size() > BufSize)
        throw InvalidDataType(Name);
    return value.toByteArray();
}

void TRegistry::Write(const std::string& SubKey, const std::string& Name, const QVariant& Value) {
    // Asking whether the store is writable creates its folder or registry key when missing.
    if (!FSettings->isWritable()) throw ERegistryException(Format("Failed to create key %s", {FKeyPath}));
    FSettings->setValue(ValueKey(SubKey, Name), Value);
    FSettings->sync();
    if (FSettings->status() == QSettings::AccessError)
        throw ERegistryException(Format("Failed to set data for '%s'", {Name}));
}

void TRegistry::WriteString(const std::string& SubKey, const std::string& Name, const std::string& Value) {
    Write(SubKey, Name, SettingsText(Value));
}

void TRegistry::WriteBinaryData(const std::string& SubKey, const std::string& Name, const QByteArray& Data) {
    Write(SubKey, Name, Data);
}

}  // namespace qm
