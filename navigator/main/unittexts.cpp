// Reading units and keeping the recent ones.
#include "unittexts.h"

#include <algorithm>
#include <filesystem>

#include "errors.h"
#include "paths.h"
#include "sourcetext.h"

namespace qm {

TUnitTexts::TUnitTexts(QObject* Parent, int MaxTexts, int64_t MaxCharacters)
    : QObject(Parent), FMaxTexts(MaxTexts), FMaxCharacters(MaxCharacters) {}

std::shared_ptr<const TSourceLines> TUnitTexts::Text(const std::string& Path, const std::string& DiskPath,
                                                     const TSourceLines* Shown) {
    namespace fs = std::filesystem;
    std::error_code Error;
    const int64_t Size = static_cast<int64_t>(fs::file_size(DiskPath, Error));
    if (Error) throw EFOpenError(Path);
    const int64_t Modified = fs::last_write_time(DiskPath, Error).time_since_epoch().count();
    auto Entry = std::find_if(FEntries.begin(), FEntries.end(), [&](const TEntry& E) { return E.Path == Path; });
    if (Entry != FEntries.end() && Entry->Size == Size && Entry->Modified == Modified) {
        Entry->LastUse = ++FUses;
        return Entry->Text;
    }
    // Read where the size was taken, exactly: the file asked for, or none (never one whose name
    // differs only in letter case).
    std::string Bytes;
    try {
        Bytes = ReadFileBytes(DiskPath, TPathMatch::Exact);
    } catch (const EFOpenError&) {
        throw EFOpenError(Path);
    }
    auto Text = TSourceLines::FromBytes(Bytes);
    ++FReads;
    // The view keeps its own share of a text it shows: one dropped here lives on while in view.
    if (Entry != FEntries.end()) FEntries.erase(Entry);
    FEntries.push_back({Path, Size, Modified, Text, ++FUses});
    Trim(Text.get(), Shown);
    return Text;
}

// Drops the least recently used texts over the bounds, never the new one nor the one in view.
void TUnitTexts::Trim(const TSourceLines* New, const TSourceLines* Shown) {
    auto Characters = [this] {
        int64_t Total = 0;
        for (const TEntry& E : FEntries) Total += E.Text->Size() + 1;
        return Total;
    };
    auto Kept = [New, Shown](const TEntry& E) { return E.Text.get() == New || E.Text.get() == Shown; };
    while (static_cast<int>(FEntries.size()) > FMaxTexts || Characters() > FMaxCharacters) {
        auto Oldest = FEntries.end();
        for (auto E = FEntries.begin(); E != FEntries.end(); ++E)
            if (!Kept(*E) && (Oldest == FEntries.end() || E->LastUse < Oldest->LastUse)) Oldest = E;
        if (Oldest == FEntries.end()) break;
        FEntries.erase(Oldest);
    }
}

}  // namespace qm
