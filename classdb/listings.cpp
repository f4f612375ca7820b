// Listings of the class database: a class's members with everything it inherits, the names
// for the selectors, and the search of members by name.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <set>

#include "format.h"
#include "memberlist.h"
#include "unitparser.h"
#include "vcldb1.h"
#include "vcldbstore.h"

namespace qm {

const char* VisibilityName(int Flags) {
    if (Flags & ListedInterface) return "";
    if (Flags & VisPublished) return "Published";
    if (Flags & VisPublic) return "Public";
    if (Flags & VisPrivate) return "Private";
    if (Flags & VisProtected) return "Protected";
    return "Automated";
}

const char* KindName(int Flags) {
    if (Flags & ListedInterface) return "interface";
    if (Flags & MemberClass) {
        if (Flags & KindMethod) return "class method";
        if (Flags & KindProperty) return "class property";
        return "class field";
    }
    if (Flags & KindMethod) return "Method";
    if (Flags & KindProperty) return "Property";
    return "Field";
}

std::string MemberSignature(const std::string& Name, const std::string& Params) {
    constexpr std::string_view classWord = "class ";
    if (Params.compare(0, classWord.size(), classWord) == 0) return std::string(classWord) + Name + Params.substr(classWord.size());
    return Name + Params;
}

std::string LevelText(int Level) {
    return Level == HelperLevel ? "helper" : std::to_string(Level);
}

std::array<std::string, 5> MemberColumns(const TMemberItem& Item) {
    return {Item.Name, Item.ClassName, LevelText(Item.Level), VisibilityName(Item.Flags), KindName(Item.Flags)};
}

namespace {

bool Admits(const TMemberFilter& Filter, int Flags) {
    bool visibility = (Flags & VisPublished)   ? Filter.ShowPublished
                      : (Flags & VisPublic)    ? Filter.ShowPublic
                      : (Flags & VisPrivate)   ? Filter.ShowPrivate
                      : (Flags & VisProtected) ? Filter.ShowProtected
                                               : true;  // automated members always pass
    bool kind = (Flags & KindMethod)     ? Filter.ShowMethods
                : (Flags & KindProperty) ? Filter.ShowProperties
                                         : Filter.ShowFields;
    return visibility && kind;
}

// Sorted, one entry per name compared ignoring case; the first spelling met is kept.
void SortedUniqueNames(SQLite::Statement& Names, std::vector<std::string>& Strings) {
    std::vector<std::pair<std::string, std::string>> names;  // upper case, as stored
    while (Names.executeStep()) {
        std::string name = Names.getColumn(0).getString();
        names.emplace_back(UpperCase(name), std::move(name));
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    Strings.clear();
    for (size_t i = 0; i < names.size(); ++i)
        if (i == 0 || names[i].first != names[i - 1].first) Strings.push_back(std::move(names[i].second));
}

}  // namespace

// A property a class names again is listed once, at the level nearest the class asked about
// that declares or redeclares it, with the visibility given there; without redeclared
// properties, each is listed where it is declared.
void TVCLDB::ListClassMembers(int ClassID, TMemberItems& Items, const TMemberFilter& Filter) {
    TCall call(*this);
    Engine(Connection(), [&] {
        SQLite::Statement members(Database(), "select * from MV where ClassID = ? order by rowid");
        std::set<std::string> redeclared;  // upper-case names of properties listed already
        for (int level = 1, current = ClassID; current != 0; ++level, current = GetAncestorID(current)) {
            CheckAncestorLevel(level, ClassID);
            const std::string className = GetClassName(current);
            members.reset();
            members.bind(1, current);
            while (members.executeStep()) {
                TMemberRow row = ReadMemberRow(members);
                if (row.Flags & KindProperty) {
                    const bool again = row.Flags & MemberRedeclared;
                    if (again && !Filter.ShowRedeclared) continue;
                    if (Filter.ShowRedeclared) {
                        const std::string key = UpperCase(row.Name);
                        if (redeclared.count(key)) continue;
                        if (again) redeclared.insert(key);
                    }
                }
                if (!Admits(Filter, row.Flags)) continue;
                Items.push_back({row.Name, current, className, level, row.Flags, TargetPlace(row)});
            }
        }
    });
}

void TVCLDB::ListClassNames(std::vector<std::string>& Strings) {
    Engine(Connection(), [&] {
        SQLite::Statement names(Database(), "select Name from CLASSES order by ID");
        SortedUniqueNames(names, Strings);
    });
}

void TVCLDB::ListUnitNames(std::vector<std::string>& Strings) {
    Engine(Connection(), [&] {
        SQLite::Statement names(Database(), "select Name from UNITS order by ID");
        SortedUniqueNames(names, Strings);
    });
}

void TVCLDB::SearchMembers(const std::string& Name, TStringItems& Strings) {
    TCall call(*this);
    Strings.clear();
    std::vector<TMemberRow> rows;
    Engine(Connection(), [&] {
        SQLite::Statement search(Database(), "select * from MV where upper(Name) = ? order by ClassID, rowid");
        search.bind(1, UpperCase(Name));
        while (search.executeStep()) rows.push_back(ReadMemberRow(search));
    });
    for (const TMemberRow& row : rows) {
        // One entry a class, however many overloads it has.
        if (&row != &rows.front() && (&row)[-1].ClassID == row.ClassID) continue;
        // Every entry shows the spelling of the first row found.
        Strings.push_back({Format("%s.%s.%s", {GetShortUnitName(GetClassUnitID(row.ClassID)),
                                               GetClassName(row.ClassID), rows.front().Name}),
                           row.ClassID});
    }
}

}  // namespace qm
