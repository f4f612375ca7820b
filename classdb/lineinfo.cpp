// The line context of a line of the shown unit (which class and member enclose it) and the
// resolution of a double-clicked word into a class or member declaration.
#include <algorithm>

#include "asciitext.h"
#include "vcldb1.h"

namespace qm {

namespace {

// Rows are sorted by a line, highest first. The row the scan stops on: the first whose line is
// at or above L, else the last row (then RanPast is set).
template <class TRow, class TLineOf>
const TRow& ScanToLine(const std::vector<TRow>& Rows, int L, TLineOf LineOf, bool* RanPast = nullptr) {
    auto it = std::find_if(Rows.begin(), Rows.end(), [&](const TRow& r) { return LineOf(r) <= L; });
    if (RanPast) *RanPast = it == Rows.end();
    return it == Rows.end() ? Rows.back() : *it;
}

}  // namespace

void TVCLDB::GetLineInfo(int Line, TLineInfoRec& Info) {
    TCall call(*this);
    Info = TLineInfoRec();
    Info.UnitID = CurrentUnitID;

    bool ranPast = false;
    const TClassRow& cls = ScanToLine(OpenUnitClassesByLine(CurrentUnitID), Line,
                                      [](const TClassRow& r) { return r.IntLN; }, &ranPast);
    Info.Kind = TLineInfoRec::ClassHeading;
    Info.ClassName = cls.Name;
    Info.ClassID = cls.ID;
    if (cls.IntLN == Line) return;
    Info.Kind = TLineInfoRec::Unknown;
    if (ranPast) return;
    const int distanceToClass = Line - cls.IntLN;

    auto setMember = [&](const TMemberRow& m) {
        Info.ClassID = m.ClassID;
        Info.ClassName = GetClassName(m.ClassID);
        Info.MemberName = m.Name;
    };
    const auto& byIntLN = OpenUnitMembersByIntLN(CurrentUnitID);
    if (!byIntLN.empty()) {
        const TMemberRow& m = ScanToLine(byIntLN, Line, [](const TMemberRow& r) { return r.IntLN; });
        if (m.IntLN == Line) {
            setMember(m);
            Info.Kind = TLineInfoRec::MemberDeclaration;
            return;
        }
    }
    const auto& byImpLN = OpenUnitMembersByImpLN(CurrentUnitID);
    if (byImpLN.empty()) return;
    const TMemberRow& m = ScanToLine(byImpLN, Line, [](const TMemberRow& r) { return r.ImpLN; });
    const long long distanceToHeading = (long long)Line - m.ImpLN;
    if (distanceToHeading < 0 || distanceToHeading >= distanceToClass) {
        Info.Kind = TLineInfoRec::InsideClass;
        return;
    }
    Info.Kind = distanceToHeading == 0 ? TLineInfoRec::ImplementationHeading : TLineInfoRec::InsideImplementation;
    setMember(m);
}

// Order of preference: a class name beats a member name; a unique class name, or the name of
// the class around the line, goes to the first class of that name; among several classes of
// one name the ancestor of the class around the line is taken; otherwise it is ambiguous.
void TVCLDB::ResolveIdentifier(const std::string& Word, int Line, TLineInfoRec& Info) {
    TCall call(*this);
    GetLineInfo(Line, Info);
    if (Word == "INHERITED" || Word == "OVERRIDE") return ResolveKeyword(Word, Info);
    const int count = ClassCountByName(Word);

    auto targetClass = [&](int X) {
        Info.Kind = TLineInfoRec::ClassHeading;
        Info.ClassID = X;
        Info.ClassName = GetClassName(X);
        Info.MemberName.clear();
        Info.LineNumber = GetClassLine(X);
        Info.UnitID = GetClassUnitID(X);
        Info.Found = true;
    };

    if (count == 0) {
        for (int level = 1, x = Info.ClassID; x != 0; ++level, x = GetAncestorID(x)) {
            CheckAncestorLevel(level, Info.ClassID);
            const TMemberRow* member = FindMemberRow(x, Word);
            if (!member) continue;
            const bool declaration = !(member->Flags & KindMethod) || Info.Kind == TLineInfoRec::ImplementationHeading;
            const int line = declaration ? member->IntLN : GetMemberTargetLine(x, Word);
            const std::string memberName = member->Name;
            const int unitID = member->UnitID;
            Info.ClassName = GetClassName(x);
            Info.MemberName = memberName;
            Info.UnitID = unitID;
            Info.LineNumber = line;
            Info.ClassID = x;
            Info.Found = true;
            return;
        }
        return;
    }
    if (count == 1 || SameText(Word, Info.ClassName)) {
        targetClass(ClassesIDByNameIndex(Word, 0));
        return;
    }
    const int ancestor = GetAncestorID(Info.ClassID);
    if (ancestor != 0 && SameText(GetClassName(ancestor), Word)) {
        targetClass(ancestor);
        return;
    }
    Info.ClassName = Word;
    Info.MemberName.clear();
    Info.ClassID = 0;
    Info.Ambiguous = true;
}

void TVCLDB::ResolveKeyword(const std::string& Word, TLineInfoRec& Info) {
    Info.Keyword = true;
    const int ancestor = Info.ClassID ? GetAncestorID(Info.ClassID) : 0;
    Info.ClassID = ancestor;
    if (ancestor == 0) return;
    Info.ClassName = GetClassName(ancestor);
    if (Word == "INHERITED") {
        Info.Kind = TLineInfoRec::ClassHeading;
        Info.MemberName.clear();
        const TPlace place = ClassPlace(ancestor);
        Info.UnitID = place.UnitID;
        Info.LineNumber = place.Line;
        Info.Found = true;
        return;
    }
    const int declaring = FindMemberClass(ancestor, Info.MemberName);
    if (declaring == 0) return;
    const TPlace place = MemberPlace(declaring, Info.MemberName);
    Info.ClassID = declaring;
    Info.ClassName = GetClassName(declaring);
    Info.MemberName = GetMemberName(declaring, Info.MemberName);
    Info.UnitID = place.UnitID;
    Info.LineNumber = place.Line;
    Info.Found = true;
}

}  // namespace qm
