// Following uses clauses: a quick look at each unit's head names what it uses; the resolver finds
// each name along the path; the units found are then loaded as a tree, units before their users.
// The implicit System (and Free Pascal's ObjPas, where the path has it) is followed too, but its
// absence is not reported: a library without one declares TObject elsewhere.
#include <set>
#include <unordered_map>

#include "asciitext.h"
#include "format.h"
#include "paths.h"
#include "projectdesc.h"
#include "searchpath.h"
#include "treeload.h"
#include "unitheading.h"
#include "unitparser.h"
#include "vcldb1.h"

namespace qm {

namespace {

std::string StemOf(const std::string& Path) {
    std::string name = FileNamePart(Path);
    if (const size_t dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
    return UpperCase(name);
}

// "A uses X", "A, B use X".
std::string UsersText(const std::vector<std::string>& Users, const std::string& Used) {
    std::string text;
    for (const std::string& user : Users) text += (text.empty() ? "" : ", ") + user;
    return text + (Users.size() == 1 ? " uses " : " use ") + Used + ": not found on the library path";
}

struct TUse {
    std::string Name, Written, Given;  // upper case, as written, the file given with "in"
};

// Raised by the uses reading once the implementation's first method is reached.
struct TUsesRead {};

// What a unit uses as its compiler reads it: in the modern dialect the parser with the load's
// symbols, stopped at the first method implemented, so that units of branches not taken
// ({$IFDEF WINDOWS} on Linux) are not followed; the quick look at the head for programs (which
// name files with "in"), in the Delphi 2.0 rules, and where the parser fails.
std::vector<TUse> UsesOf(TVCLDB& Db, const std::string& File, const std::string& Text) {
    const TUnitHeading heading = ReadUnitHeading(Text);
    std::vector<TUse> uses;
    if (Db.Dialect == TDialect::Modern && heading.Kind == "UNIT") {
        TUnitParser parser;
        parser.Dialect = TDialect::Modern;
        parser.Defines = Db.ReadContext.Defines;
        if (Db.IncludeReader) parser.IncludeReader = Db.IncludeReader;
        struct TCollect {
            std::vector<std::string> Names;
            void Uses(TUnitParser& Sender) { Names.push_back(Sender.UsesUnit); }
            void Stop(TUnitParser&) { throw TUsesRead(); }
        } collect;
        parser.OnUses = TUnitParser::TParserEvent::Of<&TCollect::Uses>(&collect);
        parser.OnImplementation = TUnitParser::TParserEvent::Of<&TCollect::Stop>(&collect);
        try {
            parser.ParseText(File, Text);
        } catch (const TUsesRead&) {
        } catch (const Exception&) {
            collect.Names.clear();
            collect.Names.push_back({});  // failed: the head's list below
        }
        if (collect.Names.empty() || !collect.Names.front().empty()) {
            for (const std::string& name : collect.Names) {
                std::string written = name;
                for (size_t u = 0; u < heading.Uses.size(); ++u)
                    if (heading.Uses[u] == UpperCase(name)) written = heading.UsesAsWritten[u];
                uses.push_back({UpperCase(name), written, ""});
            }
            return uses;
        }
    }
    for (size_t u = 0; u < heading.Uses.size(); ++u) uses.push_back({heading.Uses[u], heading.UsesAsWritten[u], heading.UsesFiles[u]});
    return uses;
}

}  // namespace

TTreeLoadReport TTreeLoader::LoadFollowing(const std::vector<std::string>& Files, const TUnitResolver& Resolver,
                                           const std::vector<std::string>& IncludeFolders) {
    FDb.CheckWritable();
    // Include files beside the including file first, then along the include folders.
    const TUnitResolver includes(TSearchPath{IncludeFolders});
    const bool ownIncludes = !FDb.IncludeReader && !IncludeFolders.empty();
    if (ownIncludes)
        FDb.IncludeReader = [&includes](const std::string& Path, std::string& Found, std::string& Text) {
            if (ReadIncludeFile(Path, Found, Text)) return true;
            const std::string file = includes.FindInclude(FileNamePart(Path));
            return !file.empty() && ReadIncludeFile(file, Found, Text);
        };
    struct TRestore {
        TVCLDB& Db;
        bool Own;
        ~TRestore() {
            if (Own) Db.IncludeReader = nullptr;
        }
    } restore{FDb, ownIncludes};
    std::vector<std::string> files;
    std::set<std::string> seen;  // upper-case names looked for, and files taken
    std::vector<std::string> missingOrder;
    std::unordered_map<std::string, std::vector<std::string>> missing;  // name -> users
    std::vector<TTreeLoadReport::TFailure> notes;
    std::vector<std::string> usedLoaded;
    auto take = [&](const std::string& File) {
        if (seen.insert("\x01" + File).second) files.push_back(File);
    };
    for (const std::string& file : Files) {
        take(ResolvePath(file));
        seen.insert(StemOf(file));
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string file = files[i];
        std::string text;
        try {
            text = ReadSourceFile(file);
        } catch (const Exception&) {
            continue;  // the load names it
        }
        const std::string name = ReadUnitHeading(text).Name;
        const std::string user = name.empty() ? StemOf(file) : name;
        const std::string folder = FolderPart(file);
        std::vector<TUse> uses;
        for (const char* implicit : {"SYSTEM", "OBJPAS"})
            if (StemOf(file) != implicit) uses.push_back({implicit, implicit, ""});
        const size_t implicitCount = uses.size();
        for (TUse& use : UsesOf(FDb, file, text)) uses.push_back(std::move(use));
        for (size_t u = 0; u < uses.size(); ++u) {
            const std::string& name = uses[u].Name;
            const std::string& given = uses[u].Given;
            if (!given.empty()) {
                take(ResolvePath(ProjectRelative(folder, given)));
                seen.insert(name);
                continue;
            }
            if (!seen.insert(name).second) continue;
            if (FDb.UnitCountByName(name) > 0) {
                usedLoaded.push_back(name);
                continue;
            }
            const TUnitFound found = Resolver.FindUnit(name);
            if (!found) {
                if (u < implicitCount) continue;
                if (missing[name].empty()) missingOrder.push_back(uses[u].Written);
                missing[name].push_back(user);
                seen.erase(name);  // another user is named too
                continue;
            }
            for (const std::string& other : found.PassedOver)
                notes.push_back({found.File, Format("%s is used; %s of the same name is passed over", {found.File, other})});
            take(found.File);
        }
    }

    TTreeLoadReport report = Load(TUnitFiles{files, {}}, Resolver.Path().Folders);
    for (const std::string& name : missingOrder) report.NotFound.push_back(UsersText(missing[UpperCase(name)], name));
    report.Notes.insert(report.Notes.begin(), notes.begin(), notes.end());
    report.UsedLoaded = std::move(usedLoaded);
    return report;
}

}  // namespace qm
