// A program's source is read only as far as its uses clause; the unit heading reader does that.
#include "projectdesc.h"

#include <filesystem>

#include "paths.h"
#include "unitheading.h"
#include "unitparser.h"

namespace qm {

std::string ProjectRelative(const std::string& Folder, const std::string& Written) {
    std::string path = Written;
    for (char& c : path)
        if (c == '\\') c = '/';
    const bool absolute = !path.empty() && (path[0] == '/' || (path.size() > 1 && path[1] == ':'));
    return AbsolutePath(absolute || Folder.empty() ? path : Folder + "/" + path);
}

TProjectDescription ReadProgramSource(const std::string& File) {
    TProjectDescription project;
    project.Path = AbsolutePath(File);
    project.MainSource = ResolvePath(project.Path);
    const TUnitHeading heading = ReadUnitHeading(ReadSourceFile(project.MainSource));
    project.Name = heading.Name.empty() ? std::filesystem::path(project.Path).stem().string() : heading.Name;
    const std::string folder = FolderPart(project.MainSource);
    for (size_t i = 0; i < heading.Uses.size(); ++i) {
        const std::string& file = heading.UsesFiles[i];
        project.Units.push_back({heading.Uses[i], file.empty() ? std::string() : ProjectRelative(folder, file)});
    }
    return project;
}

}  // namespace qm
