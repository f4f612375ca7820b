// The line index: one pass over the text when it is read.
#include "sourcelines.h"

#include <algorithm>
#include <cstring>

#include "asciitext.h"
#include "sourcetext.h"

namespace qm {

TSourceLines::TSourceLines(const QString& Text) : FText(WithLineFeeds(Text)) {
    // A decoder leaves room for more than it wrote; a kept text holds only its characters.
    FText.squeeze();
    Index();
}

TSourceLines::TSourceLines(QString Text, TDecoded) : FText(std::move(Text)) {
    Index();
}

TSourceLines::TSourceLines(QString Text, TDecoded, std::string_view Bytes) : FText(std::move(Text)) {
    Index(Bytes);
}

// A file of one byte per character is indexed on its bytes with memchr, which looks at many bytes
// at a time: a unit of megabytes shows at once, with no pass per character.
std::shared_ptr<const TSourceLines> TSourceLines::FromBytes(std::string_view Bytes) {
    if (IsUtf8Source(Bytes))
        return std::shared_ptr<const TSourceLines>(new TSourceLines(SourceTextWithLineFeeds(Bytes), TDecoded{}));
    std::string Store;
    const std::string_view Unified = LineFeedBytes(Bytes, Store);
    std::shared_ptr<TSourceLines> Lines(new TSourceLines(SourceText(Unified), TDecoded{}, Unified));
    return Lines;
}

void TSourceLines::Index() {
    FStarts.reserve(static_cast<size_t>(FText.size() / 32 + 1));
    FStarts.push_back(0);
    const QChar* Chars = FText.constData();
    const int Size = static_cast<int>(FText.size());
    int Tabs = 0;
    // A line without tabs is as wide as it is long; only a line with tabs is walked again.
    const auto EndLine = [&](int End) {
        FWidest = std::max(FWidest, Tabs ? Columns(FStarts.back(), End) : End - FStarts.back());
        Tabs = 0;
    };
    for (int i = 0; i < Size; ++i) {
        const char16_t C = Chars[i].unicode();
        if (C == u'\t') {
            ++Tabs;
        } else if (C == u'\n') {
            EndLine(i);
            FStarts.push_back(i + 1);
        }
    }
    FStarts.shrink_to_fit();
    EndLine(Size);
}

void TSourceLines::Index(std::string_view Bytes) {
    FStarts.reserve(Bytes.size() / 32 + 1);
    FStarts.push_back(0);
    const char* const Base = Bytes.data();
    const char* const End = Base + Bytes.size();
    const auto Next = [End](const char* From, char C) {
        const void* Found = std::memchr(From, C, static_cast<size_t>(End - From));
        return Found ? static_cast<const char*>(Found) : End;
    };
    // The next tab: a line before it is as wide as it is long.
    const char* Tab = Next(Base, '\t');
    for (const char* At = Base;;) {
        const char* LineEnd = Next(At, '\n');
        const int Start = static_cast<int>(At - Base), Stop = static_cast<int>(LineEnd - Base);
        if (Tab < LineEnd) {
            FWidest = std::max(FWidest, Columns(Start, Stop));
            Tab = Next(LineEnd, '\t');
        } else {
            FWidest = std::max(FWidest, Stop - Start);
        }
        if (LineEnd == End) break;
        At = LineEnd + 1;
        FStarts.push_back(Stop + 1);
    }
    FStarts.shrink_to_fit();
}

int TSourceLines::Columns(int From, int To) const {
    int Column = 0;
    for (int i = From; i < To; ++i) Column = FText[i] == u'\t' ? (Column / TabColumns + 1) * TabColumns : Column + 1;
    return Column;
}

int TSourceLines::LineStart(int Line) const {
    return Line >= 0 && Line < LineCount() ? FStarts[static_cast<size_t>(Line)] : -1;
}

int TSourceLines::LineEnd(int Line) const {
    if (Line < 0 || Line >= LineCount()) return -1;
    return Line + 1 < LineCount() ? FStarts[static_cast<size_t>(Line) + 1] - 1 : Size();
}

int TSourceLines::LineOf(int Pos) const {
    const auto After = std::upper_bound(FStarts.begin(), FStarts.end(), Pos);
    return std::max(0, static_cast<int>(After - FStarts.begin()) - 1);
}

QStringView TSourceLines::Line(int Line) const {
    const int Start = LineStart(Line);
    if (Start < 0) return {};
    return QStringView(FText).mid(Start, LineEnd(Line) - Start);
}

int TSourceLines::Find(const QString& What, int From) const {
    if (What.isEmpty() || From > Size()) return -1;
    return static_cast<int>(FText.indexOf(What, std::max(0, From), Qt::CaseInsensitive));
}

}  // namespace qm
