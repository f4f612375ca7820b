// A Delphi project is an MSBuild file. Its PropertyGroups apply by their Condition: the groups of
// the chosen configuration's key ("Cfg_1"), of the keys it derives from ("Base") and of the
// platform; a property that names itself, $(DCC_UnitSearchPath), takes the value before it. The
// conditions are not evaluated in general: a group applies when one of its '$(KEY)'!='' or
// '$(Config)'=='NAME' terms names the chosen configuration, or when it has no condition.
#include <QFileInfo>
#include <QRegularExpression>

#include <map>
#include <set>

#include "errors.h"
#include "paths.h"
#include "projectreaders.h"
#include "xmltree.h"

namespace qm {

namespace {

struct TConfiguration {
    QString Name, Key, Parent;
};

std::vector<TConfiguration> Configurations(const TXmlElement& Root) {
    std::vector<TConfiguration> found;
    for (const auto& group : Root.Children) {
        if (group->Name != "ItemGroup") continue;
        for (const auto& item : group->Children)
            if (item->Name == "BuildConfiguration") {
                const TXmlElement* key = item->Child("Key");
                const TXmlElement* parent = item->Child("CfgParent");
                found.push_back({item->Attribute("Include"), key ? key->Text : QString(), parent ? parent->Text : QString()});
            }
    }
    return found;
}

bool Applies(const QString& Condition, const std::set<QString>& Keys, const QString& Config, const QString& Platform) {
    if (Condition.trimmed().isEmpty()) return true;
    static const QRegularExpression set(R"('\$\((\w+)\)'\s*!=\s*'')");
    static const QRegularExpression equal(R"('\$\((\w+)\)'\s*==\s*'([^']*)')");
    for (auto it = set.globalMatch(Condition); it.hasNext();)
        if (Keys.count(it.next().captured(1).toLower())) return true;
    for (auto it = equal.globalMatch(Condition); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1).toLower();
        if ((name == "config" && m.captured(2) == Config) || (name == "platform" && m.captured(2) == Platform)) return true;
    }
    return false;
}

}  // namespace

TProjectDescription ReadDelphiProject(const std::string& File, const std::string& Configuration) {
    TProjectDescription project;
    project.Path = AbsolutePath(File);
    const std::unique_ptr<TXmlElement> root = ReadXmlTree(project.Path);
    if (root->Name != "Project") throw Exception(project.Path + " is not a project file: no MSBuild project");

    // The chosen configuration and the keys it stands on.
    const std::vector<TConfiguration> configurations = Configurations(*root);
    QString chosen = QString::fromStdString(Configuration);
    if (chosen.isEmpty())
        for (const TConfiguration& c : configurations)
            if (c.Name != "Base") {
                chosen = c.Name;
                break;
            }
    // Files without BuildConfiguration items name their configurations only in conditions.
    static const QRegularExpression configTerm(R"('\$\(Config\)'\s*==\s*'([^']+)')");
    for (const auto& group : root->Children)
        for (auto it = configTerm.globalMatch(group->Attribute("Condition")); chosen.isEmpty() && it.hasNext();)
            if (const QString name = it.next().captured(1); name != "Base") chosen = name;
    std::set<QString> keys{"base"};
    bool known = chosen.isEmpty();
    for (QString name = chosen; !name.isEmpty();) {
        QString parent;
        for (const TConfiguration& c : configurations)
            if (c.Name == name) {
                known = true;
                keys.insert(c.Key.toLower());
                parent = c.Parent;
            }
        if (parent.isEmpty() || keys.count(parent.toLower())) break;
        keys.insert(parent.toLower());
        name = parent;
    }
    const QString platform = "Win32";
    // Groups that apply set keys of their own (<Cfg_1>true</Cfg_1>), which make more groups apply.
    for (size_t before = 0; before != keys.size();) {
        before = keys.size();
        for (const QString& key : std::set<QString>(keys))
            if (!key.endsWith("_" + platform.toLower())) keys.insert(key + "_" + platform.toLower());
        for (const auto& group : root->Children) {
            if (group->Name != "PropertyGroup" || !Applies(group->Attribute("Condition"), keys, chosen, platform)) continue;
            for (const auto& property : group->Children)
                if (property->Text.compare("true", Qt::CaseInsensitive) == 0 &&
                    (property->Name == "Base" || property->Name.startsWith("Cfg_"))) {
                    keys.insert(property->Name.toLower());
                    known = known || property->Name != "Base";
                }
        }
    }
    if (!known) project.Notes.push_back(project.Path + " has no configuration " + Configuration);

    // Properties in document order; a property's earlier value stands for $(itself).
    std::map<QString, QString> properties;
    std::set<QString> selfReferences;
    for (const auto& group : root->Children) {
        if (group->Name != "PropertyGroup" || !Applies(group->Attribute("Condition"), keys, chosen, platform)) continue;
        for (const auto& property : group->Children) {
            QString value = property->Text;
            const QString self = "$(" + property->Name + ")";
            value.replace(self, properties[property->Name], Qt::CaseInsensitive);
            properties[property->Name] = value;
        }
    }
    const TMacroValue macros = [&](const QString& Name) -> std::optional<QString> {
        if (Name.compare("Config", Qt::CaseInsensitive) == 0) return chosen;
        if (Name.compare("Platform", Qt::CaseInsensitive) == 0) return platform;
        auto found = properties.find(Name);
        if (found != properties.end() && !found->second.contains("$(" + Name + ")")) return found->second;
        return std::nullopt;
    };
    project.Name = QFileInfo(QString::fromStdString(project.Path)).completeBaseName().toStdString();
    AddFolderList(properties["DCC_UnitSearchPath"], macros, "DCC_UnitSearchPath", project, project.SearchPath);
    AddFolderList(properties["DCC_IncludePath"], macros, "DCC_IncludePath", project, project.IncludePath);
    for (const QString& name : properties["DCC_Define"].split(';', Qt::SkipEmptyParts))
        if (!name.trimmed().isEmpty()) project.Defines.push_back(name.trimmed().toStdString());
    for (const QString& name : properties["DCC_Namespace"].split(';', Qt::SkipEmptyParts))
        if (!name.trimmed().isEmpty()) project.Namespaces.push_back(name.trimmed().toStdString());

    const std::string base = FolderPart(project.Path);
    if (const QString main = properties["MainSource"]; !main.isEmpty()) project.MainSource = ProjectRelative(base, main.toStdString());
    for (const auto& group : root->Children) {
        if (group->Name != "ItemGroup") continue;
        for (const auto& item : group->Children) {
            if (item->Name != "DCCReference") continue;
            const QString written = item->Attribute("Include");
            if (!written.endsWith(".pas", Qt::CaseInsensitive)) continue;  // packages (.dcp) and resources
            project.Units.push_back({QFileInfo(written).completeBaseName().toStdString(), ProjectRelative(base, written.toStdString())});
        }
    }
    return project;
}

}  // namespace qm
