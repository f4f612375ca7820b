// The texts of recently shown units, kept as documents for the source view so that going back
// to a unit costs no new layout of its text. A unit's file is read again whenever its size or
// modification time changed since it was read.
#pragma once

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

class QTextDocument;

namespace qm {

// Text with CR LF, LF or CR line ends as a read-only document of one block per line, owned by Owner.
QTextDocument* NewSourceDocument(const QString& Text, QObject* Owner);

class TUnitTexts : public QObject {
public:
    // At most MaxDocuments documents and MaxCharacters characters are kept.
    explicit TUnitTexts(QObject* Parent = nullptr, int MaxDocuments = 8, int64_t MaxCharacters = 8'000'000);
    // The document of the file at Path (the stored path; DiskPath is what the file system is
    // asked for, exactly as given: TVCLDB::GetUnitDiskPath). Shown, the document in view, is
    // never dropped. EFOpenError naming Path when the file cannot be read.
    QTextDocument* Document(const std::string& Path, const std::string& DiskPath, const QTextDocument* Shown);
    // How many times a file was read, for tests.
    int Reads() const { return FReads; }

private:
    struct TEntry {
        std::string Path;
        int64_t Size = 0;
        int64_t Modified = 0;
        QTextDocument* Document = nullptr;
        uint64_t LastUse = 0;
    };
    void Trim(const QTextDocument* New, const QTextDocument* Shown);

    std::vector<TEntry> FEntries;
    int FMaxDocuments;
    int64_t FMaxCharacters;
    uint64_t FUses = 0;
    int FReads = 0;
};

}  // namespace qm
