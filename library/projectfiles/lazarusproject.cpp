// Lazarus's projects (.lpi) and packages (.lpk) keep their settings as elements with a Value
// attribute: units under ProjectOptions/Units (or Package/Files), search paths and custom options
// under CompilerOptions. Only the default build mode's options are read.
#include <QFileInfo>
#include <QRegularExpression>

#include "installed.h"
#include "errors.h"
#include "paths.h"
#include "projectreaders.h"
#include "xmltree.h"

namespace qm {

namespace {

bool IsPascalSource(const QString& File) {
    const QString suffix = QFileInfo(File).suffix().toLower();
    return suffix == "pas" || suffix == "pp" || suffix == "p" || suffix == "lpr" || suffix == "dpr";
}

bool IsProgramSource(const QString& File) {
    const QString suffix = QFileInfo(File).suffix().toLower();
    return suffix == "lpr" || suffix == "dpr";
}

// -dNAME (and -dNAME:=VALUE) in a line of compiler options.
void AddDefines(const QString& Options, TProjectDescription& Project) {
    static const QRegularExpression space(R"(\s+)");
    for (const QString& option : Options.split(space, Qt::SkipEmptyParts)) {
        if (!option.startsWith("-d")) continue;
        const QString name = option.mid(2).section(":=", 0, 0);
        if (!name.isEmpty()) Project.Defines.push_back(name.toStdString());
    }
}

}  // namespace

TProjectDescription ReadLazarusFile(const std::string& File) {
    TProjectDescription project;
    project.Path = AbsolutePath(File);
    project.FreePascal = true;
    const std::unique_ptr<TXmlElement> root = ReadXmlTree(project.Path);
    const TXmlElement* package = root->Child("Package");
    const TXmlElement* options = package ? package->Child("CompilerOptions") : root->Child("CompilerOptions");
    project.Name = (package ? package->ValueAt("Name") : root->ValueAt("ProjectOptions/General/Title")).toStdString();
    if (project.Name.empty()) project.Name = QFileInfo(QString::fromStdString(project.Path)).completeBaseName().toStdString();

    const QString folder = QString::fromStdString(FolderPart(project.Path));
    const TMacroValue macros = [&](const QString& Name) -> std::optional<QString> {
        const QString upper = Name.toUpper();
        if (upper == "TARGETOS") return QString("linux");
        if (upper == "TARGETCPU") return QString("x86_64");
        if (upper == "PROJPATH" || upper == "PKGDIR" || upper == "PROJOUTDIR") return folder;
        if (upper == "LAZARUSDIR") {
            const std::string lazarus = FindLazarusSources();
            if (!lazarus.empty()) return QString::fromStdString(lazarus);
        }
        if (upper == "FPCSRCDIR") {
            const std::string fpc = FindFreePascalSources();
            if (!fpc.empty()) return QString::fromStdString(fpc);
        }
        return std::nullopt;
    };
    if (options) {
        AddFolderList(options->ValueAt("SearchPaths/OtherUnitFiles"), macros, "OtherUnitFiles", project, project.SearchPath);
        AddFolderList(options->ValueAt("SearchPaths/IncludeFiles"), macros, "IncludeFiles", project, project.IncludePath);
        AddDefines(options->ValueAt("Other/CustomOptions"), project);
    }

    const TXmlElement* files = package ? package->Child("Files") : root->Find("ProjectOptions/Units");
    const std::string base = FolderPart(project.Path);
    static const std::vector<std::unique_ptr<TXmlElement>> none;
    for (const auto& unit : files ? files->Children : none) {
        const QString written = unit->ValueAt("Filename");
        if (written.isEmpty() || !IsPascalSource(written)) continue;
        const QString part = unit->ValueAt("IsPartOfProject");
        if (!package && !part.isEmpty() && part.compare("True", Qt::CaseInsensitive) != 0) continue;
        const std::optional<QString> expanded = ExpandMacros(written, macros, "Filename", project);
        if (!expanded) continue;
        const std::string path = ProjectRelative(base, expanded->toStdString());
        if (IsProgramSource(written) && project.MainSource.empty()) {
            project.MainSource = path;
            continue;
        }
        project.Units.push_back({unit->ValueAt("UnitName").toStdString(), path});
    }
    return project;
}

}  // namespace qm
