// What every class database command of quillmap2-cli works with, shared by the command files.
#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "errors.h"

namespace qm {

class TVCLDB;

// A usage error: exit status 2.
class EUsage : public Exception {
public:
    using Exception::Exception;
};

struct TContext {
    TVCLDB& Db;
    std::vector<std::string> Args;
    std::ostream& Out;
    std::ostream& Err;
};

inline void Need(const TContext& C, size_t Min, size_t Max, const char* Usage) {
    if (C.Args.size() < Min || C.Args.size() > Max) throw EUsage(std::string("usage: quillmap2-cli [--db PATH] ") + Usage);
}

// Messages may hold CR line breaks meant for a message box; a terminal wants LF.
inline std::string ForTerminal(std::string Message) {
    std::replace(Message.begin(), Message.end(), '\r', '\n');
    return Message;
}

// A class given by id or by name (the first class of that name).
int ClassArg(TVCLDB& Db, const std::string& Text);

// implementers INTERFACE [--direct]: the classes naming it, each followed (without --direct) by
// its descendants: id, name indented two blanks a level, unit.
void ImplementersCommand(TContext& C);
// interfaces CLASS: the interfaces of the class and its ancestors: level, class, interface, the
// interface's unit (empty when it is not loaded).
void InterfacesCommand(TContext& C);

// path [--add DIR | --remove DIR | --clear]
void PathCommand(TContext& C);
// projects: id, name, file, units; remove-project PROJECT: its units and what derives from them.
void ProjectsCommand(TContext& C);
void RemoveProjectCommand(TContext& C);

struct TDefineOptions;
struct TTreeLoadReport;
// add --follow FILE...: the units and what they use along the library path.
void AddFollowing(TContext& C, const std::vector<std::string>& Files, const std::string& Widgetset);
// add --project FILE [--config NAME]: a project's units and what they use.
void AddProject(TContext& C, const std::string& File, const std::string& Configuration, const TDefineOptions& Defines,
                const std::string& Widgetset);
// The summary record of a tree load, its failures and notes on the error stream; EAbort when
// anything failed.
void ReportTreeLoad(TContext& C, const TTreeLoadReport& Report);

}  // namespace qm
