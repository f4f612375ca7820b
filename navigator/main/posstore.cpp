// The Back history and bookmark stores.
#include "posstore.h"

namespace qm {
namespace {
const char* const StackEmpty = "Stack is Empty.";
}

TStack::~TStack() {
    Destroying = true;
    if (OnDiscard)
        for (TValue Value : List) OnDiscard(*this, Value);
}

void TStack::Push(TValue Value) {
    if (Destroying) return;
    if (FMaxDepth != 0 && Count() >= FMaxDepth) {
        const TValue Dropped = List.front();
        List.erase(List.begin());
        List.push_back(Value);
        OnDiscard(*this, Dropped);
        return;
    }
    List.push_back(Value);
}

TStack::TValue TStack::Pop() {
    if (Destroying) return 0;
    if (List.empty()) throw EAccessViolation(StackEmpty);
    const TValue Top = List.back();
    List.pop_back();
    return Top;
}

TStack::TValue TStack::Peek() const {
    if (List.empty()) throw EAccessViolation(StackEmpty);
    return List.back();
}

void TStack::SetMaxDepth(int Value) {
    FMaxDepth = Value;
    if (Value != 0)
        while (Count() > Value) DropBottom();
}

void TStack::DropBottom() {
    const TValue Dropped = List.front();
    List.erase(List.begin());
    OnDiscard(*this, Dropped);
}

THistory::THistory() {
    FUnitID.SetMaxDepth(15);
    FLineNumber.SetMaxDepth(15);
    FFileID.SetMaxDepth(15);
}

void THistory::Add(int UnitID, int LineNumber, int FileID) {
    if (UnitID == 0) return;
    if (Count() == 0 || UnitID != FUnitID.Peek() || LineNumber != FLineNumber.Peek() || FileID != FFileID.Peek()) {
        FUnitID.Push(UnitID);
        FLineNumber.Push(LineNumber);
        FFileID.Push(FileID);
    }
}

bool THistory::GoBack(int& UnitID, int& LineNumber) {
    int FileID = 0;
    return GoBack(UnitID, LineNumber, FileID);
}

bool THistory::GoBack(int& UnitID, int& LineNumber, int& FileID) {
    if (Count() <= 0) return false;
    UnitID = static_cast<int>(FUnitID.Pop());
    LineNumber = static_cast<int>(FLineNumber.Pop());
    FileID = static_cast<int>(FFileID.Pop());
    return true;
}

void THistory::Keep(const std::function<bool(int UnitID)>& Exists) {
    Rewrite([&](int& U, int&, int&) { return Exists(U); });
}

void THistory::Move(const std::function<int(int UnitID, int LineNumber, int FileID)>& NewLine) {
    Rewrite([&](int& U, int& L, int& F) {
        L = NewLine(U, L, F);
        return true;
    });
}

void THistory::Rewrite(const std::function<bool(int& UnitID, int& LineNumber, int& FileID)>& Entry) {
    struct TEntry {
        int U, L, F;
    };
    std::vector<TEntry> Kept;
    int U = 0, L = 0, F = 0;
    while (GoBack(U, L, F))
        if (Entry(U, L, F)) Kept.push_back({U, L, F});
    for (auto At = Kept.rbegin(); At != Kept.rend(); ++At) Add(At->U, At->L, At->F);
}

void TBookMark::SetBookMark(int N, int UnitID, int LineNumber, int FileID) {
    UnitIDs.at(N) = UnitID;
    LineNumbers.at(N) = LineNumber;
    FileIDs.at(N) = FileID;
}

}  // namespace qm
