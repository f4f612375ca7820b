// The line context of a line of the shown unit (which class and member enclose it) and the
// resolution of a double-clicked word into a class or member declaration.
#include <algorithm>
#include <climits>

#include "asciitext.h"
#include "vcldb1.h"

namespace qm {

namespace {

// Rows are sorted by a line, highest first; only the rows whose line counts in the file File
// take part. The row the scan stops on: the first whose line is at or above L; null when none.
template <class TRow, class TLineOf>
const TRow* ScanToLine(const std::vector<TRow>& Rows, int L, int File, TLineOf LineOf) {
    auto it = std::find_if(Rows.begin(), Rows.end(), [&](const TRow& r) {
        const auto [line, file] = LineOf(r);
        return file == File && line <= L;
    });
    return it == Rows.end() ? nullptr : &*it;
}

}  // namespace

void TVCLDB::GetLineInfo(int Line, TLineInfoRec& Info) {
    TCall call(*this);
    Info = TLineInfoRec();
    Info.UnitID = CurrentUnitID;
    Info.FileID = CurrentFileID;
    const int file = CurrentFileID;

    const auto& classes = OpenUnitClassesByLine(CurrentUnitID);
    const TClassRow* cls = ScanToLine(classes, Line, file, [](const TClassRow& r) { return std::pair(r.IntLN, r.FileID); });
    // Above the file's first class: that class is named, nothing more is known.
    if (!cls) {
        for (auto it = classes.rbegin(); it != classes.rend() && !cls; ++it)
            if (it->FileID == file) cls = &*it;
    }
    // An include file may hold only implementations: they alone tell the context there.
    long long distanceToClass = LLONG_MAX;
    if (cls) {
        Info.Kind = TLineInfoRec::ClassHeading;
        Info.ClassName = cls->Name;
        Info.ClassID = cls->ID;
        if (cls->IntLN == Line) return;
        Info.Kind = TLineInfoRec::Unknown;
        if (cls->IntLN > Line) return;
        distanceToClass = Line - cls->IntLN;
    }

    auto setMember = [&](const TMemberRow& m) {
        Info.ClassID = m.ClassID;
        Info.ClassName = GetClassName(m.ClassID);
        Info.MemberName = m.Name;
        Info.MemberParams = m.Params;
    };
    const TMemberRow* declared = ScanToLine(OpenUnitMembersByIntLN(CurrentUnitID), Line, file,
                                            [](const TMemberRow& r) { return std::pair(r.IntLN, r.IntFileID); });
    if (declared && declared->IntLN == Line) {
        setMember(*declared);
        Info.Kind = TLineInfoRec::MemberDeclaration;
        return;
    }
    const auto& byImpLN = OpenUnitMembersByImpLN(CurrentUnitID);
    if (byImpLN.empty()) return;
    const TMemberRow* implemented = ScanToLine(byImpLN, Line, file,
                                               [](const TMemberRow& r) { return std::pair(r.ImpLN, r.ImpFileID); });
    if (!cls && !implemented) return;
    const long long distanceToHeading = implemented ? (long long)Line - implemented->ImpLN : -1;
    if (distanceToHeading < 0 || distanceToHeading >= distanceToClass) {
        Info.Kind = TLineInfoRec::InsideClass;
        return;
    }
    Info.Kind = distanceToHeading == 0 ? TLineInfoRec::ImplementationHeading : TLineInfoRec::InsideImplementation;
    setMember(*implemented);
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
        SetPlace(Info, ClassPlace(X));
        Info.Found = true;
    };

    if (count == 0) {
        for (int level = 1, x = Info.ClassID; x != 0; ++level, x = GetAncestorID(x)) {
            CheckAncestorLevel(level, Info.ClassID);
            if (!FindMemberRow(x, Word)) continue;
            // Of overloads, the one on the line at hand (its declaration or its heading);
            // else the first, and the caller asks which one is meant.
            const std::vector<TMemberRow> overloads = MemberOverloads(x, Word);
            const TMemberRow* member = &overloads.front();
            const bool atHand = x == Info.ClassID && SameText(Word, Info.MemberName) &&
                                (Info.Kind == TLineInfoRec::MemberDeclaration ||
                                 Info.Kind == TLineInfoRec::ImplementationHeading);
            for (const TMemberRow& row : overloads)
                if (atHand && row.Params == Info.MemberParams) member = &row;
            const bool declaration = !(member->Flags & KindMethod) || Info.Kind == TLineInfoRec::ImplementationHeading;
            SetPlace(Info, declaration ? TPlace{member->UnitID, member->IntLN, member->IntFileID} : TargetPlace(*member));
            Info.ClassName = GetClassName(x);
            Info.MemberName = member->Name;
            Info.MemberParams = member->Params;
            Info.Overloads = overloads.size() > 1 && !atHand ? int(overloads.size()) : 0;
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
        SetPlace(Info, ClassPlace(ancestor));
        Info.Found = true;
        return;
    }
    const int declaring = FindMemberClass(ancestor, Info.MemberName);
    if (declaring == 0) return;
    // The overload of the same parameters, else the first of the name.
    const std::vector<TMemberRow> overloads = MemberOverloads(declaring, Info.MemberName);
    const TMemberRow* member = &overloads.front();
    for (const TMemberRow& row : overloads)
        if (row.Params == Info.MemberParams) member = &row;
    Info.ClassID = declaring;
    Info.ClassName = GetClassName(declaring);
    Info.MemberName = member->Name;
    Info.MemberParams = member->Params;
    SetPlace(Info, TargetPlace(*member));
    Info.Found = true;
}

void TVCLDB::SetPlace(TLineInfoRec& Info, const TPlace& Place) {
    Info.UnitID = Place.UnitID;
    Info.LineNumber = Place.Line;
    Info.FileID = Place.FileID;
}

}  // namespace qm
