// Project files: a Lazarus project (.lpi) or package (.lpk), a Delphi project (.dproj), or a
// program or library source (.dpr, .lpr), read into one TProjectDescription.
#pragma once

#include <string>
#include <vector>

#include "projectdesc.h"

namespace qm {

// Reads File by its extension. Configuration chooses among a Delphi project's build
// configurations ("Debug", "Release"); empty: the first one the file lists. Exception with a
// message naming the file when it cannot be read or is no project file of its kind.
TProjectDescription ReadProjectFile(const std::string& File, const std::string& Configuration = {});

// The build configurations a project file offers to choose among, in its order (a Delphi
// project's, without Base); none for the other kinds. Exception as for ReadProjectFile.
std::vector<std::string> ProjectConfigurations(const std::string& File);

}  // namespace qm
