#include "cfgfiler.h"

#include <QComboBox>
#include <QWidget>

#include "converterror.h"
#include "registry.h"
#include "settings.h"
#include "settingsnotice.h"

namespace qm {

int TConfigFiler::ReadInt(const std::string& Name, int Default) {
    return StrToInt(ReadStr(Name, std::to_string(Default)));
}

void TConfigFiler::WriteInt(const std::string& Name, int Value) { WriteStr(Name, std::to_string(Value)); }

bool TConfigFiler::FindConfigProp(const QObject& Component, TConfigProp& Prop) const {
    const std::optional<std::string> name = RegisteredConfigProperty(ComponentClassName(Component));
    if (!name) return false;
    std::optional<TConfigProp> prop = PublishedProperty(Component, *name);
    if (!prop || !prop->Stored) return false;
    Prop = std::move(*prop);
    return true;
}

void TConfigFiler::ForEachConfigComponent(QWidget& Form, const TVisit& Visit) const {
    for (QWidget* component : Form.findChildren<QWidget*>()) {
        const QString objectName = component->objectName();
        // "qt_" names mark the inner parts of Qt's own widgets (the line edit of a spin box): they
        // are not components of the form.
        if (objectName.isEmpty() || objectName.startsWith(QLatin1String("qt_"))) continue;
        TConfigProp prop;
        if (FindConfigProp(*component, prop)) Visit(*component, SettingsBytes(objectName), prop);
    }
}

void TConfigFiler::ValueNotUsed(const std::string&, const std::string&, const std::string&) {}

namespace {

std::string OneOf(const std::vector<std::string>& Identifiers) {
    std::string list;
    for (const std::string& identifier : Identifiers) list += (list.empty() ? "" : ", ") + identifier;
    return "one of " + list;
}

std::string Choices(const QObject& Component) {
    const auto* list = qobject_cast<const QComboBox*>(&Component);
    if (!list) return "a text this field can hold";
    std::vector<std::string> entries;
    for (int i = 0; i < list->count(); ++i) entries.push_back(SettingsBytes(list->itemText(i)));
    return OneOf(entries);
}

}  // namespace

void TConfigFiler::LoadConfig(QWidget& Form) {
    ForEachConfigComponent(Form, [this](QObject& Component, const std::string& Name, const TConfigProp& Prop) {
        switch (Prop.Kind) {
        case TConfigPropKind::Integer: {
            // A text that is no number leaves the value as it is, as a foreign enumeration text does.
            const std::string text = ReadStr(Name, std::to_string(Prop.GetInt(Component)));
            try {
                Prop.SetInt(Component, StrToInt(text));
            } catch (const EConvertError&) {
                ValueNotUsed(Name, text, "a whole number");
            }
            break;
        }
        case TConfigPropKind::Enumeration: {
            const std::string text = ReadStr(Name, Prop.GetText(Component));
            if (!Prop.SetText(Component, text)) ValueNotUsed(Name, text, OneOf(Prop.Identifiers));
            break;
        }
        case TConfigPropKind::String: {
            // A text the component cannot take (no entry of a list has it) leaves it as it was.
            const std::string before = Prop.GetText(Component), text = ReadStr(Name, before);
            Prop.SetText(Component, text);
            if (Prop.GetText(Component) == text) break;
            Prop.SetText(Component, before);
            ValueNotUsed(Name, text, Choices(Component));
            break;
        }
        case TConfigPropKind::Other:
            break;
        }
    });
}

void TConfigFiler::SaveConfig(QWidget& Form) {
    ForEachConfigComponent(Form, [this](QObject& Component, const std::string& Name, const TConfigProp& Prop) {
        switch (Prop.Kind) {
        case TConfigPropKind::Integer:
            WriteInt(Name, Prop.GetInt(Component));
            break;
        case TConfigPropKind::Enumeration:
        case TConfigPropKind::String:
            WriteStr(Name, Prop.GetText(Component));
            break;
        case TConfigPropKind::Other:
            break;
        }
    });
}

TConfigRegistryFiler::TConfigRegistryFiler(TRegistry& Registry, std::string Section)
    : FRegistry(Registry), FSection(std::move(Section)) {}

std::string TConfigRegistryFiler::ReadStr(const std::string& Name, const std::string& Default) {
    return ReadSettingText(FRegistry, FSection, Name, Default);
}

void TConfigRegistryFiler::ValueNotUsed(const std::string& Name, const std::string& Value, const std::string& What) {
    TellValueNotUsed(FRegistry, FSection, Name, Value, What);
}

void TConfigRegistryFiler::WriteStr(const std::string& Name, const std::string& Value) {
    WriteSettingText(FRegistry, FSection, Name, Value);
}

void LoadFormConfig(QWidget& Form) {
    TRegistry registry = OpenSettingsKey();
    TConfigRegistryFiler filer(registry, SettingsBytes(Form.objectName()));
    filer.LoadConfig(Form);
}

void SaveFormConfig(QWidget& Form) {
    TRegistry registry = OpenSettingsKey();
    TConfigRegistryFiler filer(registry, SettingsBytes(Form.objectName()));
    filer.SaveConfig(Form);
}

}  // namespace qm
