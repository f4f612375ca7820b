#include "vclunits.h"

#include <algorithm>

namespace qm {

namespace {

constexpr const char* Sys = "RTL\\SYS\\";
constexpr const char* Win = "RTL\\WIN\\";
constexpr const char* Vcl = "VCL\\";
constexpr const char* ToolsApi = "TOOLSAPI\\";

// The folders are written as the installation writes them and turned into the platform's
// separator when a path is made.
std::string Native(std::string Path) {
    std::replace(Path.begin(), Path.end(), '\\', PathDelim);
    return Path;
}

}  // namespace

const std::array<TVCLUnitName, 48> VCLUnitNames = {{
    {"SYSTEM", Sys},     {"SYSUTILS", Sys},   {"MATH", Sys},
    {"OLE2", Win},       {"OLECTL", Win},     {"OLEDLG", Win},
    {"CLASSES", Vcl},    {"GRAPHICS", Vcl},   {"MENUS", Vcl},     {"CONTROLS", Vcl},  {"FORMS", Vcl},
    {"STDCTRLS", Vcl},   {"CLIPBRD", Vcl},    {"COMCTRLS", Vcl},  {"EXTCTRLS", Vcl},  {"BUTTONS", Vcl},
    {"INIFILES", Vcl},   {"REGISTRY", Vcl},   {"MASK", Vcl},      {"DIALOGS", Vcl},   {"PRINTERS", Vcl},
    {"TABS", Vcl},       {"GRIDS", Vcl},      {"DSGNWNDS", Vcl},  {"DDEMAN", Vcl},    {"FILECTRL", Vcl},
    {"MPLAYER", Vcl},    {"OUTLINE", Vcl},    {"TABNOTBK", Vcl},  {"DB", Vcl},        {"DBCGRIDS", Vcl},
    {"DBTABLES", Vcl},   {"DBCTRLS", Vcl},    {"DBGRIDS", Vcl},   {"DBINPREQ", Vcl},  {"DBLOGDLG", Vcl},
    {"DBLOOKUP", Vcl},   {"DBPWDLG", Vcl},    {"OLEAUTO", Vcl},   {"OLECTNRS", Vcl},  {"OLECTRLS", Vcl},
    {"DSGNINTF", ToolsApi}, {"VIRTINTF", ToolsApi}, {"EDITINTF", ToolsApi}, {"FILEINTF", ToolsApi},
    {"TOOLINTF", ToolsApi}, {"VCSINTF", ToolsApi},  {"ISTREAMS", ToolsApi},
}};

std::string VCLUnitPath(const std::string& VCLSourcePath, const TVCLUnitName& Unit) {
    return VCLSourcePath + Native(Unit.SubDir) + Unit.Name + ".PAS";
}

std::string VCLReportPath(const std::string& VCLSourcePath) {
    return VCLSourcePath + Native("\\VCL\\") + "REPORT" + ".PAS";
}

}  // namespace qm
