#include "cfgprops.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QRadioButton>
#include <algorithm>
#include <typeinfo>
#include <utility>

#include "asciitext.h"
#include "format.h"
#include "registry.h"

namespace qm {

namespace {

// Matched by the exact C++ type: a descendant declared without Q_OBJECT shares its base's Qt class name.
const std::pair<const std::type_info&, std::string_view> DelphiClassNames[] = {
    {typeid(QLineEdit), "TEdit"}, {typeid(QCheckBox), "TCheckBox"}, {typeid(QRadioButton), "TRadioButton"}};

std::string_view EntryName(std::string_view Entry) { return Entry.substr(0, Entry.find('=')); }

std::vector<std::string>::iterator FindEntry(std::string_view ClassName) {
    std::vector<std::string>& entries = ConfigProperties();
    return std::find_if(entries.begin(), entries.end(),
                        [&](const std::string& entry) { return SameText(EntryName(entry), ClassName); });
}

TConfigProp EnumProp(std::vector<std::string> Identifiers, std::function<int(const QObject&)> GetOrd,
                     std::function<void(QObject&, int)> SetOrd) {
    TConfigProp prop;
    prop.Kind = TConfigPropKind::Enumeration;
    prop.Identifiers = Identifiers;
    prop.GetText = [Identifiers, GetOrd](const QObject& Component) {
        const int ord = GetOrd(Component);
        return ord >= 0 && size_t(ord) < Identifiers.size() ? Identifiers[size_t(ord)] : std::string();
    };
    prop.SetText = [Identifiers, SetOrd](QObject& Component, const std::string& Text) {
        for (size_t i = 0; i < Identifiers.size(); ++i) {
            if (!SameText(Identifiers[i], Text)) continue;
            SetOrd(Component, int(i));
            return true;
        }
        return false;
    };
    return prop;
}

// Qt keeps a check box's third state outside its properties; Delphi orders the states
// cbUnchecked, cbChecked, cbGrayed.
TConfigProp CheckBoxState() {
    static constexpr Qt::CheckState States[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    return EnumProp(
        {"cbUnchecked", "cbChecked", "cbGrayed"},
        [](const QObject& Component) {
            const Qt::CheckState state = static_cast<const QCheckBox&>(Component).checkState();
            return int(std::find(std::begin(States), std::end(States), state) - std::begin(States));
        },
        [](QObject& Component, int Ord) { static_cast<QCheckBox&>(Component).setCheckState(States[Ord]); });
}

TConfigProp MetaProp(const QMetaProperty& Property) {
    if (Property.isEnumType() && !Property.isFlagType()) {
        const QMetaEnum values = Property.enumerator();
        std::vector<std::string> identifiers;
        for (int i = 0; i < values.keyCount(); ++i) identifiers.emplace_back(values.key(i));
        return EnumProp(
            std::move(identifiers),
            [Property, values](const QObject& Component) {
                const int value = Property.read(&Component).toInt();
                for (int i = 0; i < values.keyCount(); ++i)
                    if (values.value(i) == value) return i;
                return -1;
            },
            [Property, values](QObject& Component, int Ord) { Property.write(&Component, values.value(Ord)); });
    }
    TConfigProp prop;
    switch (Property.typeId()) {
    case QMetaType::Bool:
        return EnumProp(
            {"False", "True"},
            [Property](const QObject& Component) { return int(Property.read(&Component).toBool()); },
            [Property](QObject& Component, int Ord) { Property.write(&Component, Ord != 0); });
    case QMetaType::Int:
        prop.Kind = TConfigPropKind::Integer;
        prop.GetInt = [Property](const QObject& Component) { return Property.read(&Component).toInt(); };
        prop.SetInt = [Property](QObject& Component, int Value) { Property.write(&Component, Value); };
        return prop;
    case QMetaType::QString:
        prop.Kind = TConfigPropKind::String;
        prop.GetText = [Property](const QObject& Component) {
            return SettingsBytes(Property.read(&Component).toString());
        };
        prop.SetText = [Property](QObject& Component, const std::string& Text) {
            return Property.write(&Component, SettingsText(Text));
        };
        return prop;
    default:
        return prop;
    }
}

std::optional<TConfigProp> FindProperty(const QObject& Component, std::string_view Name) {
    if (SameText(Name, "State") && qobject_cast<const QCheckBox*>(&Component)) return CheckBoxState();
    const QMetaObject* meta = Component.metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable() || !SameText(property.name(), Name)) continue;
        TConfigProp prop = MetaProp(property);
        prop.Stored = property.isStored();
        return prop;
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string>& ConfigProperties() {
    static std::vector<std::string> entries = {"TEdit=Text", "TCheckbox=State", "TRadioButton=Checked"};
    return entries;
}

void RegisterConfigProperty(const std::string& ClassName, const std::string& PropertyName) {
    if (FindEntry(ClassName) != ConfigProperties().end())
        throw Exception(
            Format("RegisterConfigProperty: %s.%s is already registered", {ClassName, PropertyName}));
    ConfigProperties().push_back(ClassName + "=" + PropertyName);
}

std::optional<std::string> RegisteredConfigProperty(std::string_view ClassName) {
    const auto entry = FindEntry(ClassName);
    if (entry == ConfigProperties().end()) return std::nullopt;
    const size_t equals = entry->find('=');
    return equals == std::string::npos ? std::string() : entry->substr(equals + 1);
}

std::string ComponentClassName(const QObject& Component) {
    for (const auto& [qtType, delphiName] : DelphiClassNames)
        if (typeid(Component) == qtType) return std::string(delphiName);
    return Component.metaObject()->className();
}

std::optional<TConfigProp> PublishedProperty(const QObject& Component, std::string_view Name) {
    std::optional<TConfigProp> prop = FindProperty(Component, Name);
    const QVariant stored = Component.property("stored");
    if (prop && stored.isValid() && !stored.toBool()) prop->Stored = false;
    return prop;
}

}  // namespace qm
