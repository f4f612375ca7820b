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

// The configurations a person chooses among, in the file's order, without the Base they share.
// Files without BuildConfiguration items name their configurations only in conditions.
QStringList ConfigurationNames(const TXmlElement& Root, const std::vector<TConfiguration>& Configurations) {
    QStringList names;
    for (const TConfiguration& c : Configurations)
        if (c.Name != "Base" && !names.contains(c.Name)) names << c.Name;
    if (!names.isEmpty()) return names;
    static const QRegularExpression configTerm(R"('\$\(Config\)'\s*==\s*'([^']+)')");
    for (const auto& group : Root.Children)
        for (auto it = configTerm.globalMatch(group->Attribute("Condition")); it.hasNext();)
            if (const QString name = it.next().captured(1); name != "Base" && !names.contains(name)) names << name;
    return names;
}

std::unique_ptr<TXmlElement> ReadMSBuildProject(const std::string& Path) {
    std::unique_ptr<TXmlElement> root = ReadXmlTree(Path);
    if (root->Name != "Project") throw Exception(Path + " is not a project file: no MSBuild project");
    return root;
}

}  // namespace

std::vector<std::string> DelphiConfigurations(const std::string& File) {
    const std::unique_ptr<TXmlElement> root = ReadMSBuildProject(AbsolutePath(File));
    std::vector<std::string> names;
    for (const QString& name : ConfigurationNames(*root, Configurations(*root))) names.push_back(name.toStdString());
    return names;
}

TProjectDescription ReadDelphiProject(const std::string& File, const std::string& Configuration) {
    TProjectDescription project;
    project.Path = AbsolutePath(File);
    const std::unique_ptr<TXmlElement> root = ReadMSBuildProject(project.Path);

    // The chosen configuration and the keys it stands on.
    const std::vector<TConfiguration> configurations = Configurations(*root);
    QString chosen = QString::fromStdString(Configuration);
    if (chosen.isEmpty())
        if (const QStringList names = ConfigurationNames(*root, configurations); !names.isEmpty()) chosen = names.front();
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
    // A configuration asked for by name that the file does not have would load Base's settings as
    // if they were its own: refused before anything is read.
    if (!known) {
        const QStringList names = ConfigurationNames(*root, configurations);
        throw Exception(project.Path + " has no configuration " + Configuration +
                        (names.isEmpty() ? std::string() : " (it has " + names.join(", ").toStdString() + ")"));
    }

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
