// The two stores of places in the source: the Back history, a bounded stack of (unit, line)
// positions, and the ten bookmarks. Both live for one run only.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "errors.h"
#include "events.h"

namespace qm {

// Raised by an empty stack's Pop and Peek: "Stack is Empty.".
class EAccessViolation : public Exception {
public:
    using Exception::Exception;
};

// A stack of pointer-sized values; with MaxDepth > 0 it keeps only the newest MaxDepth values and
// hands each value it drops (and, at destruction, each value it still holds) to OnDiscard.
class TStack {
public:
    using TValue = intptr_t;
    TStack() = default;
    ~TStack();
    TStack(const TStack&) = delete;
    TStack& operator=(const TStack&) = delete;

    void Push(TValue Value);
    TValue Pop();
    TValue Peek() const;
    int Count() const { return static_cast<int>(List.size()); }
    int MaxDepth() const { return FMaxDepth; }
    void SetMaxDepth(int Value);

    TEvent<TStack&, TValue> OnDiscard;

private:
    void DropBottom();

    std::vector<TValue> List;  // bottom first
    int FMaxDepth = 0;
    bool Destroying = false;
};

// Where the Source page was before each recorded jump, the 15 most recent first out: a unit, a
// line and the file of the unit the line counts in (0 for the unit's own, else an include file).
class THistory {
public:
    THistory();
    // Ignores unit 0 and a repeat of the most recent position.
    void Add(int UnitID, int LineNumber, int FileID = 0);
    // The most recent position, taken off the history; false, changing nothing, when empty.
    bool GoBack(int& UnitID, int& LineNumber);
    bool GoBack(int& UnitID, int& LineNumber, int& FileID);
    int Count() const { return FUnitID.Count(); }
    // Drops the positions whose unit Exists says is gone, keeping the others in their order.
    void Keep(const std::function<bool(int UnitID)>& Exists);
    // Gives every position the line NewLine says, keeping their order.
    void Move(const std::function<int(int UnitID, int LineNumber, int FileID)>& NewLine);

private:
    // Takes every position off, newest first, and puts back those Entry keeps, as it changed them.
    void Rewrite(const std::function<bool(int& UnitID, int& LineNumber, int& FileID)>& Entry);

    TStack FUnitID;
    TStack FLineNumber;  // 0-based caret lines
    TStack FFileID;
};

// Bookmarks 0 to 9: a unit (0 when unset), a 1-based line and the file it counts in each.
class TBookMark {
public:
    static constexpr int Count = 10;
    int GetUnitID(int N) const { return UnitIDs.at(N); }
    int GetLineNumber(int N) const { return LineNumbers.at(N); }
    int GetFileID(int N) const { return FileIDs.at(N); }
    void SetBookMark(int N, int UnitID, int LineNumber, int FileID = 0);

private:
    std::array<int, Count> UnitIDs{};
    std::array<int, Count> LineNumbers{};
    std::array<int, Count> FileIDs{};
};

}  // namespace qm
