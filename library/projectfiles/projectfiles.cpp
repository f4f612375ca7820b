// The kind of a project file is told by its extension, as the IDEs tell it.
#include "projectfiles.h"

#include <QRegularExpression>

#include <algorithm>

#include "asciitext.h"
#include "format.h"
#include "errors.h"
#include "paths.h"
#include "projectreaders.h"

namespace qm {

std::optional<QString> ExpandMacros(const QString& Text, const TMacroValue& Macros, const char* Setting,
                                    TProjectDescription& Project) {
    static const QRegularExpression macro(R"(\$\(([A-Za-z_][A-Za-z0-9_]*)\))");
    QString result;
    qsizetype at = 0;
    bool whole = true;
    for (auto it = macro.globalMatch(Text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        result += Text.mid(at, m.capturedStart() - at);
        at = m.capturedEnd();
        if (std::optional<QString> value = Macros(m.captured(1))) {
            result += *value;
        } else {
            const std::string note = Format("%s in %s cannot be resolved", {m.captured(0).toStdString(), Setting});
            if (std::find(Project.Notes.begin(), Project.Notes.end(), note) == Project.Notes.end()) Project.Notes.push_back(note);
            whole = false;
        }
    }
    if (!whole) return std::nullopt;
    return result + Text.mid(at);
}

void AddFolderList(const QString& List, const TMacroValue& Macros, const char* Setting, TProjectDescription& Project,
                   std::vector<std::string>& Folders) {
    const std::string base = FolderPart(Project.Path);
    for (const QString& item : List.split(';', Qt::SkipEmptyParts)) {
        const std::optional<QString> folder = ExpandMacros(item.trimmed(), Macros, Setting, Project);
        if (!folder || folder->isEmpty()) continue;
        const std::string path = ProjectRelative(base, folder->toStdString());
        if (std::find(Folders.begin(), Folders.end(), path) == Folders.end()) Folders.push_back(path);
    }
}

namespace {

std::string ExtensionOf(const std::string& File) {
    const std::string name = FileNamePart(File);
    return UpperCase(name.substr(std::min(name.rfind('.'), name.size())));
}

}  // namespace

std::vector<std::string> ProjectConfigurations(const std::string& File) {
    return ExtensionOf(File) == ".DPROJ" ? DelphiConfigurations(File) : std::vector<std::string>{};
}

TProjectDescription ReadProjectFile(const std::string& File, const std::string& Configuration) {
    const std::string ext = ExtensionOf(File);
    if (ext == ".LPI" || ext == ".LPK") return ReadLazarusFile(File);
    if (ext == ".DPROJ") return ReadDelphiProject(File, Configuration);
    if (ext == ".DPR" || ext == ".LPR" || ext == ".PAS" || ext == ".PP") {
        TProjectDescription project = ReadProgramSource(File);
        project.FreePascal = ext == ".LPR" || ext == ".PP";
        return project;
    }
    throw Exception(Format("%s is not a project file: .dpr, .lpr, .lpi, .lpk or .dproj", {File}));
}

}  // namespace qm
