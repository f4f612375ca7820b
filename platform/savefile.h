// Every file the program writes goes through here: whole or not at all, with the reason when not.
#pragma once

#include <QByteArray>
#include <string>

namespace qm {

// Writes Bytes as the file FileName (local 8-bit encoding): into a temporary file beside it that
// takes its place only after a complete write and close. On failure the temporary file is gone,
// a file of that name keeps its old content, and Exception "Cannot write FILE: reason" is raised.
// A device or pipe (/dev/null, a FIFO) is written in place: there is no file there to replace.
void WriteFileWhole(const std::string& FileName, const QByteArray& Bytes);

}  // namespace qm
