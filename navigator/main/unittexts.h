// The texts of recently shown units, kept with their line index for the source view so that
// going back to a unit costs no new reading of its file. A unit's file is read again whenever its size or
// modification time changed since it was read.
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sourcelines.h"

namespace qm {

class TUnitTexts : public QObject {
public:
    // At most MaxTexts texts and MaxCharacters characters are kept.
    explicit TUnitTexts(QObject* Parent = nullptr, int MaxTexts = 8, int64_t MaxCharacters = 8'000'000);
    // The text of the file at Path (the stored path; DiskPath is what the file system is asked
    // for, exactly as given: TVCLDB::GetUnitDiskPath). Shown, the text in view, is never dropped.
    // EFOpenError naming Path when the file cannot be read.
    std::shared_ptr<const TSourceLines> Text(const std::string& Path, const std::string& DiskPath,
                                             const TSourceLines* Shown);
    // How many times a file was read, for tests.
    int Reads() const { return FReads; }

private:
    struct TEntry {
        std::string Path;
        int64_t Size = 0;
        int64_t Modified = 0;
        std::shared_ptr<const TSourceLines> Text;
        uint64_t LastUse = 0;
    };
    void Trim(const TSourceLines* New, const TSourceLines* Shown);

    std::vector<TEntry> FEntries;
    int FMaxTexts;
    int64_t FMaxCharacters;
    uint64_t FUses = 0;
    int FReads = 0;
};

}  // namespace qm
