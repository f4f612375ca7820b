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
// SourceText of Bytes with their line ends made LF: the text of a whole unit file, which may be
// megabytes. A file that IsUtf8Source is read as UTF-8, without its byte order mark.
QString SourceTextWithLineFeeds(std::string_view Bytes);
// Bytes with CR LF and lone CR made LF: Bytes themselves when they hold no CR, else a view of
// Store, which then holds the changed bytes.
std::string_view LineFeedBytes(std::string_view Bytes, std::string& Store);

}  // namespace qm
