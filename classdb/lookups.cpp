// TVCLDB's cached lookups by id, by name and by line, and the numbered errors of a failed one.
#include "format.h"
#include "paths.h"
#include "vcldb1.h"
#include "vcldbstore.h"

namespace qm {

// --- by class id ---------------------------------------------------------------------------

const TClassRow& TVCLDB::ClassRow(int ClassID) {
    TCall call(*this);
    const auto& rows = FStore->ClassesQuery.Open({ClassID, {}});
    if (rows.empty())
        throw EVCLDBError(Format("Internal Error: Unknown ClassID %d", {ClassID}), dbeUnknownClassID);
    return rows.front();
}

void TVCLDB::LocateClass(int ClassID) { ClassRow(ClassID); }
TPlace TVCLDB::ClassPlace(int ClassID) {
    const TClassRow& row = ClassRow(ClassID);
    return {row.UnitID, row.IntLN, row.FileID};
}

TPlace TVCLDB::MemberPlace(int ClassID, const std::string& Name) {
    return TargetPlace(MemberRow(ClassID, Name));
}

bool TVCLDB::ClassExists(int ClassID) {
    TCall call(*this);
    return !FStore->ClassesQuery.Open({ClassID, {}}).empty();
}
std::string TVCLDB::GetClassName(int ClassID) { return ClassRow(ClassID).Name; }
int TVCLDB::GetClassUnitID(int ClassID) { return ClassRow(ClassID).UnitID; }
int TVCLDB::GetClassLine(int ClassID) { return ClassRow(ClassID).IntLN; }
int TVCLDB::GetAncestorID(int ClassID) { return ClassRow(ClassID).AncestorID; }

// --- by unit id ----------------------------------------------------------------------------

const TUnitRow& TVCLDB::UnitRow(int UnitID) {
    TCall call(*this);
    const auto& rows = FStore->UnitsQuery.Open({UnitID, {}});
    if (rows.empty())
        throw EVCLDBError(Format("Internal Error: Unknown UnitID %d", {UnitID}), dbeUnknownUnitID);
    return rows.front();
}

void TVCLDB::LocateUnit(int UnitID) { UnitRow(UnitID); }
bool TVCLDB::UnitExists(int UnitID) {
    TCall call(*this);
    return !FStore->UnitsQuery.Open({UnitID, {}}).empty();
}
std::string TVCLDB::GetUnitName(int UnitID) { return UnitRow(UnitID).Name; }
std::string TVCLDB::GetUnitPath(int UnitID) { return UnitRow(UnitID).Path; }

std::string TVCLDB::GetUnitDiskPath(int UnitID) {
    return ResolvePath(GetUnitPath(UnitID), FPathsAsGiven ? TPathMatch::AnyCase : TPathMatch::Exact);
}

std::string TVCLDB::PlacePath(const TPlace& Place) {
    if (Place.FileID == 0) return GetUnitPath(Place.UnitID);
    TCall call(*this);
    return Engine(Connection(), [&] {
        SQLite::Statement file(Database(), "select Path from FILES where ID = ?");
        file.bind(1, Place.FileID);
        if (!file.executeStep())
            throw EVCLDBError(Format("Internal Error: Unknown FileID %d", {Place.FileID}), dbeUnknownUnitID);
        return file.getColumn(0).getString();
    });
}

std::string TVCLDB::PlaceDiskPath(const TPlace& Place) {
    if (Place.FileID == 0) return GetUnitDiskPath(Place.UnitID);
    return ResolvePath(PlacePath(Place), FPathsAsGiven ? TPathMatch::AnyCase : TPathMatch::Exact);
}

// A path ending in \VCL\FORMS.PAS gives ...\VCL\FORMS. Both "\" and "/" separate.
std::string ShortUnitName(const std::string& Path) {
    std::string name = Path;
    int separators = 0;
    for (size_t i = name.size() < 2 ? 0 : name.size() - 1; i-- > 0;) {
        if ((name[i] == '\\' || name[i] == '/') && ++separators == 2) {
            name.erase(0, i);
            break;
        }
    }
    if (size_t dot = name.find('.'); dot != std::string::npos) name.erase(dot);
    return "..." + name;
}

// The path's folders with the unit's name: a file found in another letter case than it was asked
// for (STDCTRLS.PAS of the VCL's list as StdCtrls.pas) is listed under the name it was loaded as.
std::string TVCLDB::GetShortUnitName(int UnitID) {
    const TUnitRow& row = UnitRow(UnitID);
    const size_t slash = row.Path.find_last_of("\\/");
    return ShortUnitName((slash == std::string::npos ? std::string() : row.Path.substr(0, slash + 1)) + row.Name);
}

// --- by class id and member name -------------------------------------------------------------

const TMemberRow* TVCLDB::FindMemberRow(int ClassID, const std::string& Name) {
    TCall call(*this);
    const auto& rows = FStore->MVQuery.Open({ClassID, UpperCase(Name)});
    if (!rows.empty()) return &rows.front();
    FStore->MVQuery.Close();  // so that the next request asks again
    return nullptr;
}

const TMemberRow& TVCLDB::MemberRow(int ClassID, const std::string& Name) {
    if (const TMemberRow* row = FindMemberRow(ClassID, Name)) return *row;
    throw EVCLDBError(Format("Internal Error: Unknown ClassID or MVName %d, %s", {ClassID, Name}),
                      dbeUnknownMember);
}

std::vector<TMemberRow> TVCLDB::MemberOverloads(int ClassID, const std::string& Name) {
    MemberRow(ClassID, Name);
    return FStore->MVQuery.Rows();
}

void TVCLDB::LocateMember(int ClassID, const std::string& Name) { MemberRow(ClassID, Name); }
std::string TVCLDB::GetMemberName(int ClassID, const std::string& Name) { return MemberRow(ClassID, Name).Name; }
int TVCLDB::GetMemberFlags(int ClassID, const std::string& Name) { return MemberRow(ClassID, Name).Flags; }
int TVCLDB::GetMemberIntLN(int ClassID, const std::string& Name) { return MemberRow(ClassID, Name).IntLN; }
int TVCLDB::GetMemberUnitID(int ClassID, const std::string& Name) { return MemberRow(ClassID, Name).UnitID; }

int TVCLDB::GetMemberTargetLine(int ClassID, const std::string& Name) {
    return TargetPlace(MemberRow(ClassID, Name)).Line;
}

int TVCLDB::FindMemberClass(int ClassID, const std::string& Name) {
    TCall call(*this);
    for (int level = 1, current = ClassID; current != 0; ++level, current = GetAncestorID(current)) {
        CheckAncestorLevel(level, ClassID);
        if (FindMemberRow(current, Name)) return current;
    }
    return 0;
}

void TVCLDB::CheckAncestorLevel(int Level, int StartID) {
    if (Level <= MaxAncestorDepth) return;
    throw EVCLDBError(Format("The ancestors of class %s do not end within %d levels: the class database is damaged",
                             {GetClassName(StartID), MaxAncestorDepth}),
                      dbeDamaged);
}

// --- by name ------------------------------------------------------------------------------------

int TVCLDB::UnitCountByName(const std::string& Name) {
    TCall call(*this);
    return int(FStore->UnitsNameQuery.Open({0, UpperCase(Name)}).size());
}

int TVCLDB::UnitsIDByNameIndex(const std::string& Name, int Index) {
    if (Index < 0 || Index >= UnitCountByName(Name))
        throw EVCLDBError(Format("Internal Error: Invalid Index %d to UnitsIDByNameIndex", {Index}),
                          dbeUnitNameIndex);
    return FStore->UnitsNameQuery.Rows()[size_t(Index)].ID;
}

int TVCLDB::ClassCountByName(const std::string& Name) {
    TCall call(*this);
    return int(FStore->ClassesNameQuery.Open({0, UpperCase(Name)}).size());
}

int TVCLDB::ClassesIDByNameIndex(const std::string& Name, int Index) {
    if (Index < 0 || Index >= ClassCountByName(Name))
        throw EVCLDBError(Format("Internal Error: Invalid Index %d to ClassesIDByNameIndex", {Index}),
                          dbeClassNameIndex);
    return FStore->ClassesNameQuery.Rows()[size_t(Index)].ID;
}

// --- by line ---------------------------------------------------------------------------------------

const std::vector<TClassRow>& TVCLDB::OpenUnitClassesByLine(int UnitID) {
    TCall call(*this);
    const auto& rows = FStore->ClassesLNQuery.Open({UnitID, {}});
    if (rows.empty()) {
        FStore->ClassesLNQuery.Close();
        throw EVCLDBError(Format("Internal Error: Unknown UnitID %d", {UnitID}), dbeUnitWithoutClasses);
    }
    return rows;
}

const std::vector<TMemberRow>& TVCLDB::OpenUnitMembersByIntLN(int UnitID) {
    TCall call(*this);
    return FStore->IntLNQuery.Open({UnitID, {}});
}

const std::vector<TMemberRow>& TVCLDB::OpenUnitMembersByImpLN(int UnitID) {
    TCall call(*this);
    return FStore->ImpLNQuery.Open({UnitID, {}});
}

}  // namespace qm
