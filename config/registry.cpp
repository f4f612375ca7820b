#include "registry.h"

#include <QFile>
#include <QSettings>
#include <optional>

#include "format.h"
#include "savefile.h"

namespace qm {

namespace {

// Qt's INI format reads a section [General] as the keys of no group and writes a group named General
// as [%General]. So in an INI file the sub-key General lives in the keys of no group, where a person
// who opens the file finds it as [General]; what earlier versions kept in [%General] is read where
// [General] lacks the value and moved into [General] at the next write.
const QString GeneralSubKey = QStringLiteral("General");

bool IsIniFile(const QSettings& Settings) {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    constexpr bool NativeIsIni = false;  // the registry, property lists
#else
    constexpr bool NativeIsIni = true;
#endif
    return Settings.format() == QSettings::IniFormat || (NativeIsIni && Settings.format() == QSettings::NativeFormat);
}

// Qt's INI writer puts each key on a line of its own, after the line of its section, and ends the
// file with a line end. Qt reports a write that a full disk cut short as a success: such a file
// lacks keys.
bool HoldsEveryKey(const QByteArray& Bytes, qsizetype Keys) {
    if (Keys == 0) return true;
    if (!Bytes.endsWith('\n')) return false;
    qsizetype lines = 0;
    for (const QByteArray& line : Bytes.split('\n'))
        if (!line.isEmpty() && !line.startsWith('[')) ++lines;
    return lines == Keys;
}

std::optional<QByteArray> FileBytes(const QString& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
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
    : FSettings(std::move(Settings)), FKeyPath(std::move(KeyPath)), FIniFile(IsIniFile(*FSettings)) {}

TRegistry::~TRegistry() = default;

bool TRegistry::IsIniGeneral(const std::string& SubKey) const {
    return FIniFile && SettingsText(SubKey) == GeneralSubKey;
}

QString TRegistry::ValueKey(const std::string& SubKey, const std::string& Name) const {
    if (SubKey.empty() || IsIniGeneral(SubKey)) return SettingsText(Name);
    return SettingsText(SubKey) + '/' + SettingsText(Name);
}

bool TRegistry::GroupHasKeys(const QString& Group) const {
    FSettings->beginGroup(Group);
    const bool has = !FSettings->childKeys().isEmpty() || !FSettings->childGroups().isEmpty();
    FSettings->endGroup();
    return has;
}

bool TRegistry::KeyExists(const std::string& SubKey) const {
    if (IsIniGeneral(SubKey)) return !FSettings->childKeys().isEmpty() || GroupHasKeys(GeneralSubKey);
    return GroupHasKeys(SettingsText(SubKey));
}

bool TRegistry::Readable() const { return FSettings->status() != QSettings::AccessError; }

std::string TRegistry::Location() const { return SettingsBytes(FSettings->fileName()); }

QVariant TRegistry::Read(const std::string& SubKey, const std::string& Name) const {
    QVariant value = FSettings->value(ValueKey(SubKey, Name));
    if (!value.isValid() && IsIniGeneral(SubKey)) value = FSettings->value(GeneralSubKey + '/' + SettingsText(Name));
    // A file that is malformed in places still gives the values Qt could parse; only a store that
    // cannot be read at all fails.
    if (!Readable()) throw ERegistryException(Format("Failed to get data for '%s'", {Name}));
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
    const QString file = FSettings->fileName();
    const std::optional<QByteArray> before = FIniFile ? FileBytes(file) : std::nullopt;
    FSettings->setValue(ValueKey(SubKey, Name), Value);
    MoveFormerGeneralValues();
    FSettings->sync();
    if (FSettings->status() == QSettings::AccessError)
        throw ERegistryException(Format("Failed to set data for '%s'", {Name}));
    if (!FIniFile || HoldsEveryKey(FileBytes(file).value_or(QByteArray()), FSettings->allKeys().size())) return;
    // The file was cut short: what it held before is put back (whole, or not at all).
    try {
        if (before) WriteFileWhole(SettingsBytes(file), *before);
        else QFile::remove(file);
    } catch (const Exception&) {
    }
    throw ERegistryException(Format("Failed to set data for '%s'", {Name}));
}

void TRegistry::MoveFormerGeneralValues() {
    if (!FIniFile) return;
    FSettings->beginGroup(GeneralSubKey);
    const QStringList former = FSettings->childKeys();
    FSettings->endGroup();
    // A value in [General] was written later than, or by hand over, the one in [%General].
    for (const QString& name : former) {
        const QString key = GeneralSubKey + '/' + name;
        if (!FSettings->contains(name)) FSettings->setValue(name, FSettings->value(key));
        FSettings->remove(key);
    }
}

void TRegistry::WriteString(const std::string& SubKey, const std::string& Name, const std::string& Value) {
    Write(SubKey, Name, SettingsText(Value));
}

void TRegistry::WriteBinaryData(const std::string& SubKey, const std::string& Name, const QByteArray& Data) {
    Write(SubKey, Name, Data);
}

}  // namespace qm
