// Source text is 8-bit: names and texts from Pascal files become QStrings only at the window
// boundary, as Windows-1252 (Latin-1 where Qt has no Windows-1252 codec).
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace qm {

QString SourceText(std::string_view Bytes);
std::string SourceBytes(const QString& Text);
// Text with its CR LF and lone CR line ends made LF, as Qt's text views and message boxes expect.
QString WithLineFeeds(QString Text);
// SourceText and WithLineFeeds in one pass into one buffer: the text of a whole unit file, which
// may be megabytes, is decoded without copies. A file that IsUtf8Source is read as UTF-8, without
// its byte order mark.
QString SourceTextWithLineFeeds(std::string_view Bytes);

}  // namespace qm
