// Places in the source (the caret, the bookmarks, the Back history) told by the class or member
// they lie in, so that they follow it when its unit is re-read and its lines move, whichever
// program re-read it.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace qm {

class TVCLDB;

class TPlaceAnchors {
public:
    void Attach(TVCLDB& Db) { FDb = &Db; }
    // Remembers what the 0-based Line of the shown unit lies in, as the rows tell it now.
    void Remember(int Line);
    // The same for the caret, whose place the next one replaces.
    void RememberCaret(int Line);
    // Gives the 0-based line a place (unit, file, 0-based line) stands at now.
    using TMove = std::function<int(int UnitID, int FileID, int Line)>;
    // After units were re-read: Visit is given the move of every place. A place remembered
    // moves as its class or member moved; one not remembered, outside every class, or whose
    // class or member is gone, keeps its line. Afterwards the places visited are remembered at
    // their new lines and the others forgotten.
    void Follow(const std::function<void(const TMove&)>& Visit);

private:
    struct TKey {
        int UnitID = 0, FileID = 0, Line = 0;
        auto operator<=>(const TKey&) const = default;
    };
    // The class or member a place lies in, and its line (from 1) as the rows gave it.
    struct TAnchor {
        int ClassID = 0;
        std::string Member, Params;
        bool Implementation = false;
        int FileID = 0;
        int Line = 0;
    };
    std::optional<TAnchor> AnchorAt(int Line);
    // The anchor's line in the rows as they are now; 0 when it is gone or lies in another file.
    int LineNow(const TAnchor& Anchor);

    TVCLDB* FDb = nullptr;
    std::map<TKey, TAnchor> FPlaces;
    std::optional<std::pair<TKey, TAnchor>> FCaret;
    std::optional<TKey> FCaretKey;  // the caret's place last remembered, anchored or not
};

}  // namespace qm
