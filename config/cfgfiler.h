// TConfigFiler keeps the registered property of every named component of a form under the
// component's name; TConfigRegistryFiler keeps those values in one sub-key of the settings key.
#pragma once

#include <functional>
#include <string>

#include "cfgprops.h"

class QObject;
class QWidget;

namespace qm {

class TRegistry;

class TConfigFiler {
public:
    virtual ~TConfigFiler() = default;
    virtual std::string ReadStr(const std::string& Name, const std::string& Default) = 0;
    virtual void WriteStr(const std::string& Name, const std::string& Value) = 0;

    // Raises EConvertError when the stored text is not a decimal integer.
    int ReadInt(const std::string& Name, int Default);
    void WriteInt(const std::string& Name, int Value);
    // The property registered for the component's class, when the component has it and stores it.
    bool FindConfigProp(const QObject& Component, TConfigProp& Prop) const;
    // Every named widget below the form (Qt's inner parts, named "qt_...", excepted), in Qt's child
    // order depth first: its registered property takes the stored value (an enumeration text that
    // names no value, or an integer's text that is no number, leaves it as it is and goes to
    // ValueNotUsed) ...
    void LoadConfig(QWidget& Form);
    // ... or is stored.
    void SaveConfig(QWidget& Form);

protected:
    // The stored Value of Name could not be used because it is not What; nothing by default.
    virtual void ValueNotUsed(const std::string& Name, const std::string& Value, const std::string& What);

private:
    using TVisit = std::function<void(QObject& Component, const std::string& Name, const TConfigProp& Prop)>;
    void ForEachConfigComponent(QWidget& Form, const TVisit& Visit) const;
};

class TConfigRegistryFiler : public TConfigFiler {
public:
    // Registry stays the caller's; Section is the sub-key below its key that holds the values. A value
    // that cannot be used reads as the default, as ReadSettingText says.
    TConfigRegistryFiler(TRegistry& Registry, std::string Section);
    std::string ReadStr(const std::string& Name, const std::string& Default) override;
    void WriteStr(const std::string& Name, const std::string& Value) override;

protected:
    // Told once through the settings notice.
    void ValueNotUsed(const std::string& Name, const std::string& Value, const std::string& What) override;

private:
    TRegistry& FRegistry;
    std::string FSection;
};

// The form's values in the sub-key named after the form's objectName, below SettingsKey().
void LoadFormConfig(QWidget& Form);
void SaveFormConfig(QWidget& Form);

}  // namespace qm
