// The readers behind ReadProjectFile, and what they share: folder lists with $(NAME) macros.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "projectdesc.h"

namespace qm {

TProjectDescription ReadLazarusFile(const std::string& File);
TProjectDescription ReadDelphiProject(const std::string& File, const std::string& Configuration);
std::vector<std::string> DelphiConfigurations(const std::string& File);

// The value of a macro; none when it cannot be resolved.
using TMacroValue = std::function<std::optional<QString>(const QString& Name)>;

// $(NAME) replaced by its value; none when one of them has none, and a note naming it, and
// Setting, goes into Project.
std::optional<QString> ExpandMacros(const QString& Text, const TMacroValue& Macros, const char* Setting,
                                    TProjectDescription& Project);

// The ";"-separated folders of List, relative to the project's folder, added to Folders once each.
void AddFolderList(const QString& List, const TMacroValue& Macros, const char* Setting, TProjectDescription& Project,
                   std::vector<std::string>& Folders);

}  // namespace qm
