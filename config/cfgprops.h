// The component kinds whose values the configuration keeps (ConfigProperties), and the properties a
// component offers under the names those registrations use: Qt's properties, names compared
// ignoring case, and the three-state "State" of a check box.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QObject;

namespace qm {

// Entries "class name=property name" in registration order, one per class name (compared ignoring
// case). Holds "TEdit=Text", "TCheckbox=State" and "TRadioButton=Checked" from the start.
std::vector<std::string>& ConfigProperties();
// Raises Exception "RegisterConfigProperty: %s.%s is already registered" for a known class name.
void RegisterConfigProperty(const std::string& ClassName, const std::string& PropertyName);
// The property registered for ClassName, if any.
std::optional<std::string> RegisteredConfigProperty(std::string_view ClassName);

// The class name registrations are matched against: "TEdit", "TCheckBox" and "TRadioButton" for the
// Qt widgets that play those roles (exactly QLineEdit, QCheckBox and QRadioButton, not their
// descendants), the Qt class name (of the nearest class with Q_OBJECT) for everything else.
std::string ComponentClassName(const QObject& Component);

enum class TConfigPropKind { Integer, Enumeration, String, Other };

// One property of one component. Integers go through GetInt/SetInt; strings and enumerations through
// GetText/SetText, enumerations by the identifier of the value (SetText is false when no value has
// that identifier, ignoring case, and then changes nothing).
struct TConfigProp {
    TConfigPropKind Kind = TConfigPropKind::Other;
    bool Stored = true;
    std::function<int(const QObject&)> GetInt;
    std::function<void(QObject&, int)> SetInt;
    std::function<std::string(const QObject&)> GetText;
    std::function<bool(QObject&, const std::string&)> SetText;
    std::vector<std::string> Identifiers;  // an enumeration's values, in order
};

// The component's property of that name. Stored is false when Qt's property is declared not stored
// or the component carries the dynamic property "stored" set to false.
std::optional<TConfigProp> PublishedProperty(const QObject& Component, std::string_view Name);

}  // namespace qm
