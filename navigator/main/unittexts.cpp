// Reading units into documents and keeping the recent ones.
#include "unittexts.h"

#include <QPlainTextDocumentLayout>
#include <QTextDocument>
#include <algorithm>
#include <filesystem>

#include "errors.h"
#include "paths.h"
#include "sourcetext.h"

namespace qm {

QTextDocument* NewSourceDocument(const QString& Text, QObject* Owner) {
    auto* Document = new QTextDocument(Owner);
    Document->setUndoRedoEnabled(false);
    // The text goes in before the layout is attached: a layout would follow every block inserted.
    Document->setPlainText(WithLineFeeds(Text));
    Document->setDocumentLayout(new QPlainTextDocumentLayout(Document));
    return Document;
}

TUnitTexts::TUnitTexts(QObject* Parent, int MaxDocuments, int64_t MaxCharacters)
    : QObject(Parent), FMaxDocuments(MaxDocuments), FMaxCharacters(MaxCharacters) {}

QTextDocument* TUnitTexts::Document(const std::string& Path, const std::string& DiskPath, const QTextDocument* Shown) {
    namespace fs = std::filesystem;
    std::error_code Error;
    const int64_t Size = static_cast<int64_t>(fs::file_size(DiskPath, Error));
    if (Error) throw EFOpenError(Path);
    const int64_t Modified = fs::last_write_time(DiskPath, Error).time_since_epoch().count();
    auto Entry = std::find_if(FEntries.begin(), FEntries.end(), [&](const TEntry& E) { return E.Path == Path; });
    if (Entry != FEntries.end() && Entry->Size == Size && Entry->Modified == Modified) {
        Entry->LastUse = ++FUses;
        return Entry->Document;
    }
    // Read where the size was taken, exactly: the file asked for, or none (never one whose name
    // differs only in letter case).
    std::string Bytes;
    try {
        Bytes = ReadFileBytes(DiskPath, TPathMatch::Exact);
    } catch (const EFOpenError&) {
        throw EFOpenError(Path);
    }
    QTextDocument* Document = NewSourceDocument(SourceText(Bytes), this);
    ++FReads;
    if (Entry != FEntries.end()) {
        if (Entry->Document != Shown) delete Entry->Document;
        FEntries.erase(Entry);
    }
    FEntries.push_back({Path, Size, Modified, Document, ++FUses});
    Trim(Document, Shown);
    return Document;
}

// Drops the least recently used documents over the bounds, never the new one nor the one in view.
void TUnitTexts::Trim(const QTextDocument* New, const QTextDocument* Shown) {
    auto Characters = [this] {
        int64_t Total = 0;
        for (const TEntry& E : FEntries) Total += E.Document->characterCount();
        return Total;
    };
    auto Kept = [New, Shown](const TEntry& E) { return E.Document == New || E.Document == Shown; };
    while (static_cast<int>(FEntries.size()) > FMaxDocuments || Characters() > FMaxCharacters) {
        auto Oldest = FEntries.end();
        for (auto E = FEntries.begin(); E != FEntries.end(); ++E)
            if (!Kept(*E) && (Oldest == FEntries.end() || E->LastUse < Oldest->LastUse)) Oldest = E;
        if (Oldest == FEntries.end()) break;
        delete Oldest->Document;
        FEntries.erase(Oldest);
    }
}

}  // namespace qm
