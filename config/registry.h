// A registry key on QSettings: the Windows registry itself, a settings file elsewhere. Sub-keys are
// QSettings groups; values are strings or byte blocks, and a value of the other type is an error.
// In an INI file the sub-key General is the section [General] that people write by hand.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settingsstore.h"

class QSettings;
class QVariant;

namespace qm {

// Stored values are mostly paths handed on to the file layer, so they take the file system's own
// 8-bit encoding (UTF-8 on Linux, the ANSI code page on Windows): a path read back opens the file it named.
QString SettingsText(std::string_view Bytes);
std::string SettingsBytes(const QString& Text);

class TRegistry {
public:
    // KeyPath names the key in error messages.
    TRegistry(std::unique_ptr<QSettings> Settings, std::string KeyPath);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Whether the sub-key ("" for this key) holds anything; a store that cannot be read holds nothing.
    bool KeyExists(const std::string& SubKey) const;
    // False for a store Qt cannot read at all (a folder where the file belongs, no permission).
    bool Readable() const;
    // Where the store lives, for messages: the settings file, or the registry key on Windows.
    std::string Location() const;

    // Default when the sub-key or the value is missing; the text ends at its first zero character.
    std::string ReadString(const std::string& SubKey, const std::string& Name,
                           const std::string& Default) const;
    // Nothing when the sub-key or the value is missing; a block longer than BufSize is an error.
    std::optional<QByteArray> ReadBinaryData(const std::string& SubKey, const std::string& Name,
                                             qsizetype BufSize) const;

    // Create the sub-key when missing and write the value at once.
    void WriteString(const std::string& SubKey, const std::string& Name, const std::string& Value);
    void WriteBinaryData(const std::string& SubKey, const std::string& Name, const QByteArray& Data);

private:
    QVariant Read(const std::string& SubKey, const std::string& Name) const;
    void Write(const std::string& SubKey, const std::string& Name, const QVariant& Value);
    bool GroupHasKeys(const QString& Group) const;
    bool IsIniGeneral(const std::string& SubKey) const;
    // The key under which Qt keeps the value.
    QString ValueKey(const std::string& SubKey, const std::string& Name) const;
    // What earlier versions wrote as [%General] goes into [General].
    void MoveFormerGeneralValues();

    std::unique_ptr<QSettings> FSettings;
    std::string FKeyPath;
    bool FIniFile;
};

}  // namespace qm
