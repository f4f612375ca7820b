// A unit's text as the source view shows it: one string with line feeds and the index of where
// each line starts. Nothing is laid out here; the view measures only the lines it paints.
#pragma once

#include <QString>
#include <QStringView>
#include <memory>
#include <string_view>
#include <vector>

namespace qm {

class TSourceLines {
public:
    // Text with CR LF, LF or CR line ends; a text of N line ends has N + 1 lines.
    explicit TSourceLines(const QString& Text = {});
    // A file's bytes (Windows-1252), decoded with its line ends made line feeds in one pass.
    static std::shared_ptr<const TSourceLines> FromBytes(std::string_view Bytes);

    const QString& Text() const { return FText; }
    int Size() const { return static_cast<int>(FText.size()); }
    int LineCount() const { return static_cast<int>(FStarts.size()); }
    // The character index where Line starts; -1 when there is no such line.
    int LineStart(int Line) const;
    // The index just past Line's last character (its line feed is not part of it).
    int LineEnd(int Line) const;
    // The line holding the character index Pos (clamped to the text).
    int LineOf(int Pos) const;
    QStringView Line(int Line) const;
    // Tab stops stand on every TabColumns-th column.
    static constexpr int TabColumns = 8;
    // The most columns of any line, each tab reaching to its stop.
    int MaxColumns() const { return FWidest; }
    // The first match of What (letter case ignored) starting at From or after; -1 when none.
    int Find(const QString& What, int From) const;

private:
    struct TDecoded {};
    // Text whose line ends are line feeds already, kept as it is.
    TSourceLines(QString Text, TDecoded);
    void Index();
    // Text decoded from Bytes, one character per byte, indexed on the bytes.
    TSourceLines(QString Text, TDecoded, std::string_view Bytes);
    // The index from the bytes Text was decoded from.
    void Index(std::string_view Bytes);
    // The columns of the characters From up to To, each tab reaching to its stop.
    int Columns(int From, int To) const;

    QString FText;
    std::vector<int> FStarts;
    int FWidest = 0;  // columns of the widest line
};

}  // namespace qm
