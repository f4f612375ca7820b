// The anchors of places in the source: the line context of a place when it was kept, and the
// line of that class or member in the rows as they are after a re-read.
#include "placeanchors.h"

#include <algorithm>

#include "vcldb1.h"

namespace qm {

std::optional<TPlaceAnchors::TAnchor> TPlaceAnchors::AnchorAt(int Line) {
    TLineInfoRec Info;
    try {
        FDb->GetLineInfo(Line + 1, Info);
    } catch (const EVCLDBError&) {
        return std::nullopt;  // a unit without classes: lines stay as they are
    }
    using K = TLineInfoRec;
    const bool Implementation = Info.Kind == K::ImplementationHeading || Info.Kind == K::InsideImplementation;
    const bool Member = Implementation || Info.Kind == K::MemberDeclaration;
    if (Info.ClassID == 0 || !(Member || Info.Kind == K::ClassHeading || Info.Kind == K::InsideClass)) return std::nullopt;
    TAnchor Anchor{Info.ClassID, Member ? Info.MemberName : std::string(), Member ? Info.MemberParams : std::string(),
                   Implementation, FDb->CurrentFileID, 0};
    Anchor.Line = LineNow(Anchor);
    if (Anchor.Line == 0) return std::nullopt;
    return Anchor;
}

int TPlaceAnchors::LineNow(const TAnchor& Anchor) {
    try {
        if (Anchor.Member.empty()) {
            const TClassRow Class = FDb->ClassRecord(Anchor.ClassID);
            return Class.FileID == Anchor.FileID ? Class.IntLN : 0;
        }
        // The overload of the same parameters where the member has several.
        const std::vector<TMemberRow> Rows = FDb->MemberOverloads(Anchor.ClassID, Anchor.Member);
        if (Rows.empty()) return 0;
        auto Row = std::find_if(Rows.begin(), Rows.end(), [&](const TMemberRow& R) { return R.Params == Anchor.Params; });
        if (Row == Rows.end()) Row = Rows.begin();
        if (Anchor.Implementation) return Row->ImpLN != NoImpLN && Row->ImpFileID == Anchor.FileID ? Row->ImpLN : 0;
        return Row->IntFileID == Anchor.FileID ? Row->IntLN : 0;
    } catch (const EVCLDBError&) {
        return 0;
    }
}

void TPlaceAnchors::Remember(int Line) {
    if (!FDb || FDb->CurrentUnitID == 0) return;
    const TKey Key{FDb->CurrentUnitID, FDb->CurrentFileID, Line};
    if (std::optional<TAnchor> Anchor = AnchorAt(Line)) FPlaces[Key] = std::move(*Anchor);
    else FPlaces.erase(Key);
}

void TPlaceAnchors::RememberCaret(int Line) {
    if (!FDb || FDb->CurrentUnitID == 0) return;
    const TKey Key{FDb->CurrentUnitID, FDb->CurrentFileID, Line};
    if (FCaretKey == Key) return;
    FCaretKey = Key;
    if (std::optional<TAnchor> Anchor = AnchorAt(Line)) FCaret.emplace(Key, std::move(*Anchor));
    else FCaret.reset();
}

void TPlaceAnchors::Follow(const std::function<void(const TMove&)>& Visit) {
    std::map<TKey, TAnchor> Moved;
    std::optional<std::pair<TKey, TAnchor>> Caret;
    std::optional<TKey> CaretKey;
    Visit([&](int UnitID, int FileID, int Line) {
        const TKey Key{UnitID, FileID, Line};
        const TAnchor* Anchor = nullptr;
        if (auto At = FPlaces.find(Key); At != FPlaces.end()) Anchor = &At->second;
        else if (FCaret && FCaret->first == Key) Anchor = &FCaret->second;
        int NewLine = Line;
        std::optional<TAnchor> Kept;
        if (Anchor) {
            if (const int Now = LineNow(*Anchor); Now != 0) {
                NewLine = std::max(0, Line + Now - Anchor->Line);
                Kept = *Anchor;
                Kept->Line = Now;
            }
        }
        const TKey NewKey{UnitID, FileID, NewLine};
        if (FCaretKey == Key) {
            CaretKey = NewKey;
            if (Kept) Caret.emplace(NewKey, *Kept);
        }
        if (Kept) Moved[NewKey] = std::move(*Kept);
        return NewLine;
    });
    FPlaces = std::move(Moved);
    FCaret = std::move(Caret);
    FCaretKey = CaretKey;
}

}  // namespace qm
