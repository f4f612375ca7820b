#include "dbcmds.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>

#include "asciitext.h"
#include "dbcontext.h"
#include "defineopts.h"
#include "format.h"
#include "includetree.h"
#include "memberlist.h"
#include "paths.h"
#include "recordtext.h"
#include "refreshcmd.h"
#include "treeload.h"
#include "unitparser.h"
#include "typequeries.h"
#include "vcldb1.h"
#include "vclunits.h"

namespace qm {

namespace {

using TCommand = std::function<void(TContext&)>;

bool IsNumber(const std::string& Text) {
    return !Text.empty() && Text.size() < 10 && std::all_of(Text.begin(), Text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ToInt(const std::string& Text, const char* What) {
    if (!IsNumber(Text)) throw EUsage(Format("quillmap2-cli: %s must be a number: %s", {What, Text}));
    return std::stoi(Text);
}

// A unit given by id or by name (the first unit of that name).
int UnitArg(TVCLDB& Db, const std::string& Text) {
    try {
        if (IsNumber(Text)) {
            Db.LocateUnit(std::stoi(Text));
            return std::stoi(Text);
        }
        if (Db.UnitCountByName(Text) > 0) return Db.UnitsIDByNameIndex(Text, 0);
    } catch (const EVCLDBError& e) {
        if (e.HelpContext() != dbeUnknownUnitID) throw;
    }
    throw Exception(Format("no unit %s", {Text}));
}

}  // namespace

int ClassArg(TVCLDB& Db, const std::string& Text) {
    try {
        if (IsNumber(Text)) {
            Db.LocateClass(std::stoi(Text));
            return std::stoi(Text);
        }
        if (Db.ClassCountByName(Text) > 0) return Db.ClassesIDByNameIndex(Text, 0);
    } catch (const EVCLDBError& e) {
        if (e.HelpContext() != dbeUnknownClassID) throw;
    }
    throw Exception(Format("no class %s", {Text}));
}

namespace {

using std::to_string;

void PrintItems(std::ostream& Out, const TStringItems& Items) {
    for (const TStringItem& i : Items) Out << Record({to_string(i.ID), i.Text});
}

void PrintLineInfo(std::ostream& Out, const TLineInfoRec& I) {
    Out << Record({to_string(int(I.Kind)), I.ClassName, I.MemberName, to_string(I.LineNumber), to_string(I.ClassID),
                   to_string(I.UnitID), to_string(int(I.Found)), to_string(int(I.Ambiguous))});
}

// Rebuilds the database from the VCL of the installation ROOT, or of Delphi's entry read now, as
// the window's Initialize command does. A path that fails is not kept, so not stored either.
void Init(TContext& C) {
    Need(C, 0, 1, "init [ROOT]");
    const std::string previous = C.Db.VCLSourcePath;
    // Kept as an absolute path: it is stored and used again from other folders.
    if (!C.Args.empty()) C.Db.VCLSourcePath = AbsolutePath(C.Args[0]) + PathDelim + "SOURCE" + PathDelim;
    else C.Db.ReadDelphiSourcePath();
    try {
        C.Db.InitializeVCL();
    } catch (...) {
        C.Db.VCLSourcePath = previous;
        throw;
    }
    C.Out << Record({to_string(C.Db.UnitCount()), C.Db.VCLSourcePath});
}

// Units that cannot be loaded are reported one by one and the others are stored; a failure of the
// database itself ends the command with nothing stored, reported once. The records are printed
// once the units are really stored.
void AddTree(TContext& C, const std::vector<std::string>& Folders, bool Recursive,
             const std::vector<std::string>& IncludeFolders);

void Add(TContext& C) {
    const char* usage =
        "add [--modern [--include-tree DIR]... [--target TARGET] [--define NAME]...] [--recursive | --follow [--widgetset NAME]] "
        "FILE-OR-FOLDER... | add --project FILE [--config NAME] [--target TARGET] [--define NAME]... [--widgetset NAME]";
    bool recursive = false, follow = false;
    std::string project, configuration, widgetset;
    std::vector<std::string> includeFolders, paths;
    TDefineOptions defines;
    for (size_t i = 0; i < C.Args.size(); ++i) {
        std::ostringstream fault;
        if (const int taken = defines.Take(C.Args, i, "quillmap2-cli add", fault)) {
            if (taken == 2) throw EUsage(fault.str().substr(0, fault.str().size() - 1));
            continue;
        }
        const std::string& arg = C.Args[i];
        if (arg == "--modern") {
            C.Db.Dialect = TDialect::Modern;
        } else if (arg == "--recursive") {
            recursive = true;
        } else if (arg == "--follow") {
            follow = true;
        } else if (arg == "--project" || arg == "--config" || arg == "--widgetset") {
            if (++i == C.Args.size()) throw EUsage(std::string("usage: quillmap2-cli [--db PATH] ") + usage);
            (arg == "--project" ? project : arg == "--config" ? configuration : widgetset) = C.Args[i];
        } else if (arg == "--include-tree") {
            if (++i == C.Args.size()) throw EUsage(std::string("usage: quillmap2-cli [--db PATH] ") + usage);
            includeFolders.push_back(AbsolutePath(C.Args[i]));
        } else {
            paths.push_back(arg);
        }
    }
    if (!project.empty()) {
        if (!paths.empty() || recursive || follow) throw EUsage(std::string("usage: quillmap2-cli [--db PATH] ") + usage);
        return AddProject(C, project, configuration, defines, widgetset);
    }
    if (!includeFolders.empty() && C.Db.Dialect != TDialect::Modern)
        throw EUsage("quillmap2-cli: --include-tree needs --modern");
    if (defines.Given() && C.Db.Dialect != TDialect::Modern)
        throw EUsage("quillmap2-cli: --target and --define need --modern");
    C.Db.ReadContext.Defines = defines.Set();
    C.Args = paths;
    Need(C, 1, SIZE_MAX, usage);
    // A file that can only be read is refused before any unit is read.
    C.Db.CheckWritable();
    if (recursive && follow) throw EUsage("quillmap2-cli: --recursive and --follow exclude each other");
    if (!widgetset.empty() && !follow) throw EUsage("quillmap2-cli: --widgetset needs --follow or --project");
    if (recursive) return AddTree(C, paths, true, includeFolders);
    if (follow) return AddFollowing(C, paths, widgetset);
    TIncludeTree includes;
    for (const std::string& folder : includeFolders) includes.AddTree(folder);
    if (!includeFolders.empty())
        C.Db.IncludeReader = [&includes](const std::string& Path, std::string& Found, std::string& Text) {
            return includes.Read(Path, Found, Text);
        };
    bool failed = false;
    std::string records;
    TVCLDB::TBatch batch(C.Db);
    for (const std::string& arg : C.Args) {
        // Absolute and clean: one file is one stored path, valid from any folder.
        const std::string file = AbsolutePath(arg);
        try {
            int id = C.Db.LoadUnit(file);
            AppendRecord(records, {to_string(id), C.Db.GetUnitName(id), C.Db.GetUnitPath(id)});
        } catch (const EDatabaseError&) {
            throw;
        } catch (const EAbort&) {
            throw;
        } catch (const Exception& e) {
            // Every message names the unit's file.
            C.Err << ForTerminal(TTreeLoadReport::TFailure{file, e.Message()}.Text()) << '\n';
            failed = true;
        }
    }
    batch.Commit();
    C.Out << records;
    if (failed) throw EAbort();
}

// Every unit under the folders (a file given is a unit), ancestors first; one summary record, and
// each unit that did not load and each path that could not be read on the error stream with the
// reason. Include files are also found anywhere under the folders and the --include-tree folders.
void AddTree(TContext& C, const std::vector<std::string>& Folders, bool Recursive,
             const std::vector<std::string>& IncludeFolders) {
    std::vector<std::string> folders;
    for (const std::string& folder : Folders) folders.push_back(AbsolutePath(folder));
    std::vector<std::string> includeFolders = folders;
    includeFolders.insert(includeFolders.end(), IncludeFolders.begin(), IncludeFolders.end());
    TTreeLoader loader(C.Db);
    ReportTreeLoad(C, loader.Load(FindUnitFiles(folders, Recursive), includeFolders));
}

}  // namespace

void ReportTreeLoad(TContext& C, const TTreeLoadReport& Report) {
    for (const auto* list : {&Report.Failures, &Report.Notes})
        for (const TTreeLoadReport::TFailure& f : *list) C.Err << ForTerminal(f.Text()) << '\n';
    for (const std::string& line : Report.NotFound) C.Err << line << '\n';
    C.Out << Record({to_string(Report.Loaded), to_string(Report.AlreadyLoaded), to_string(Report.WithoutClasses),
                     to_string(Report.Skipped), to_string(Report.Failures.size()), Report.Summary()});
    if (!Report.Failures.empty()) throw EAbort();
}

namespace {

void Units(TContext& C) {
    Need(C, 0, 0, "units");
    std::vector<std::string> names;
    C.Db.ListUnitNames(names);
    for (const std::string& name : names)
        for (int i = 0, n = C.Db.UnitCountByName(name); i < n; ++i) {
            int id = C.Db.UnitsIDByNameIndex(name, i);
            C.Out << Record({to_string(id), C.Db.GetUnitName(id), C.Db.GetUnitPath(id)});
        }
}

// With --kind each record ends with the type's kind ("class", "interface", "record"...); without
// it the records stay as scripts have read them.
void Classes(TContext& C) {
    const char* usage = "classes [NAME] [--kind]";
    Need(C, 0, 2, usage);
    const bool kind = std::find(C.Args.begin(), C.Args.end(), "--kind") != C.Args.end();
    if (kind) C.Args.erase(std::find(C.Args.begin(), C.Args.end(), "--kind"));
    if (C.Args.size() > 1 || (!C.Args.empty() && C.Args[0].rfind("--", 0) == 0)) Need(C, 0, 0, usage);
    std::vector<std::string> names;
    if (C.Args.empty()) C.Db.ListClassNames(names);
    else names.push_back(C.Args[0]);
    for (const std::string& name : names)
        for (int i = 0, n = C.Db.ClassCountByName(name); i < n; ++i) {
            const TClassRow row = C.Db.ClassRecord(C.Db.ClassesIDByNameIndex(name, i));
            if (kind)
                C.Out << Record({to_string(row.ID), row.Name, to_string(row.UnitID), to_string(row.IntLN),
                                 to_string(row.AncestorID), TypeKindName(TTypeKind(row.Kind))});
            else
                C.Out << Record({to_string(row.ID), row.Name, to_string(row.UnitID), to_string(row.IntLN),
                                 to_string(row.AncestorID)});
        }
}

void Members(TContext& C) {
    const char* usage =
        "members CLASS [--no-properties] [--no-methods] [--no-fields] [--no-private] [--no-protected] "
        "[--no-public] [--no-published] [--no-redeclared] [--interfaces] [--helpers]";
    Need(C, 1, 11, usage);
    TMemberFilter filter;
    const std::map<std::string, bool TMemberFilter::*> flags = {
        {"--no-properties", &TMemberFilter::ShowProperties}, {"--no-methods", &TMemberFilter::ShowMethods},
        {"--no-fields", &TMemberFilter::ShowFields},         {"--no-private", &TMemberFilter::ShowPrivate},
        {"--no-protected", &TMemberFilter::ShowProtected},   {"--no-public", &TMemberFilter::ShowPublic},
        {"--no-published", &TMemberFilter::ShowPublished},   {"--no-redeclared", &TMemberFilter::ShowRedeclared},
    };
    // Rows that are no members, shown on request.
    const std::map<std::string, bool TMemberFilter::*> extras = {
        {"--interfaces", &TMemberFilter::ShowInterfaces}, {"--helpers", &TMemberFilter::ShowHelpers}};
    std::string cls;
    for (const std::string& arg : C.Args) {
        if (auto flag = flags.find(arg); flag != flags.end()) filter.*(flag->second) = false;
        else if (auto extra = extras.find(arg); extra != extras.end()) filter.*(extra->second) = true;
        else if (cls.empty()) cls = arg;
        else Need(C, 0, 0, usage);
    }
    if (cls.empty()) Need(C, 0, 0, usage);
    TMemberItems items;
    TTypeQueries(C.Db).ListClassMembers(ClassArg(C.Db, cls), items, filter);
    for (const TMemberItem& i : items) {
        const auto columns = MemberColumns(i);
        C.Out << Record({columns[0], to_string(i.ClassID), columns[1], columns[2], columns[3], columns[4]});
    }
}

void Search(TContext& C) {
    Need(C, 1, 1, "search NAME");
    TStringItems found;
    C.Db.SearchMembers(C.Args[0], found);
    PrintItems(C.Out, found);
}

void LineInfo(TContext& C) {
    Need(C, 2, 2, "lineinfo UNIT LINE");
    C.Db.CurrentUnitID = UnitArg(C.Db, C.Args[0]);
    TLineInfoRec info;
    C.Db.GetLineInfo(ToInt(C.Args[1], "LINE"), info);
    PrintLineInfo(C.Out, info);
}

// The word as a double-click hands it over: upper case, without surrounding blanks.
std::string Word(std::string Text) {
    const char* blanks = " \t\r\n";
    Text.erase(0, Text.find_first_not_of(blanks));
    Text.erase(Text.find_last_not_of(blanks) + 1);
    return UpperCase(Text);
}

void Resolve(TContext& C) {
    Need(C, 3, 3, "resolve UNIT LINE WORD");
    C.Db.CurrentUnitID = UnitArg(C.Db, C.Args[0]);
    TLineInfoRec info;
    C.Db.ResolveIdentifier(Word(C.Args[2]), ToInt(C.Args[1], "LINE"), info);
    PrintLineInfo(C.Out, info);
}

void Dependants(TContext& C) {
    Need(C, 1, 1, "dependants UNIT");
    TStringItems units;
    C.Db.CollectDependants(UnitArg(C.Db, C.Args[0]), units);
    PrintItems(C.Out, units);
}

// The class first, then every class below it depth first, each name indented two spaces a level.
void Descendants(TContext& C) {
    const char* usage = "descendants CLASS [--depth N]";
    Need(C, 1, 3, usage);
    int depth = -1;
    if (C.Args.size() == 3 && C.Args[1] == "--depth") depth = ToInt(C.Args[2], "N");
    else if (C.Args.size() != 1) Need(C, 0, 0, usage);
    TDescendants tree;
    C.Db.ListDescendants(ClassArg(C.Db, C.Args[0]), tree, depth);
    for (const TDescendant& d : tree)
        C.Out << Record({to_string(d.ClassID), std::string(size_t(d.Depth) * 2, ' ') + d.Name, d.UnitName});
}

void Overrides(TContext& C) {
    Need(C, 1, 1, "overrides CLASS.METHOD");
    const std::string& arg = C.Args[0];
    const size_t dot = arg.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == arg.size()) Need(C, 0, 0, "overrides CLASS.METHOD");
    TOverrides found;
    C.Db.ListOverrides(ClassArg(C.Db, arg.substr(0, dot)), arg.substr(dot + 1), found);
    for (const TOverride& o : found)
        C.Out << Record({to_string(o.ClassID), o.ClassName, o.UnitName, to_string(o.Place.Line)});
}

// A unit of the VCL takes every unit derived from it along, which is most of the library: that
// needs --force.
void Remove(TContext& C) {
    const char* usage = "remove [--force] UNIT";
    Need(C, 1, 2, usage);
    const bool force = C.Args[0] == "--force";
    if (force != (C.Args.size() == 2)) Need(C, 0, 0, usage);
    const std::string& name = C.Args.back();
    C.Db.CheckWritable();
    const int unit = UnitArg(C.Db, name);
    if (!force && C.Db.UnitCountByName("REPORT") > 0 && unit < C.Db.FirstNonVCLUnitID())
        throw Exception(Format("%s is a unit of the VCL: removing it removes every unit derived from it. "
                               "Use remove --force %s to remove it all the same",
                               {name, name}));
    TStringItems units;
    C.Db.CollectDependants(unit, units);
    C.Db.DeleteDependants();
    PrintItems(C.Out, units);
}

void RemoveNonVCL(TContext& C) {
    Need(C, 0, 0, "remove-non-vcl");
    C.Db.CheckWritable();
    TStringItems units;
    C.Db.ListNonVCLUnits(units);
    C.Db.RemoveNonVCLUnits();
    PrintItems(C.Out, units);
}

const std::map<std::string, TCommand>& Commands() {
    static const std::map<std::string, TCommand> commands = {
        {"init", Init},     {"add", Add},       {"units", Units},       {"classes", Classes},       {"members", Members},
        {"search", Search}, {"lineinfo", LineInfo}, {"resolve", Resolve},       {"dependants", Dependants},
        {"remove", Remove}, {"remove-non-vcl", RemoveNonVCL}, {"descendants", Descendants}, {"overrides", Overrides},
        {"path", PathCommand}, {"projects", ProjectsCommand}, {"remove-project", RemoveProjectCommand},
        {"implementers", ImplementersCommand}, {"interfaces", InterfacesCommand},
        {"refresh", [](TContext& C) {
             std::vector<int> units;
             for (const std::string& unit : C.Args) units.push_back(UnitArg(C.Db, unit));
             RefreshCommand(C.Db, units, C.Out);
         }},
    };
    return commands;
}

}  // namespace

bool IsDatabaseCommand(const std::string& Command) { return Commands().count(Command) > 0; }

int RunDatabaseCommand(const std::string& DbPath, const std::string& Command, const std::vector<std::string>& Args,
                       std::ostream& Out, std::ostream& Err, TSettingsStore* Settings,
                       TDelphiInstallation* Installation) {
    try {
        TVCLDB db(Settings, Installation);
        db.OnMessage = {[](void* err, TVCLDB&, const std::string& m) { *static_cast<std::ostream*>(err) << ForTerminal(m) << '\n'; },
                        &Err};
        TContext context{db, Args, Out, Err};
        db.OpenDatabase(DbPath);
        Commands().at(Command)(context);
        // A command that only read worked on a file it may not change: say so once it is done.
        if (!db.OpenNotice().empty()) Err << db.OpenNotice() << '\n';
        return 0;
    } catch (const EUsage& e) {
        Err << e.Message() << '\n';
        return 2;
    } catch (const EAbort&) {
        return 1;  // already reported
    } catch (const Exception& e) {
        Err << ForTerminal(e.Message()) << '\n';
        return 1;
    } catch (const std::exception& e) {
        Err << e.what() << '\n';
        return 1;
    }
}

}  // namespace qm
