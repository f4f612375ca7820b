// File access for source trees copied from Windows: both "\" and "/" separate path
// components everywhere, and on POSIX a component that does not exist as spelled is
// matched without regard to letter case. Stored paths keep the caller's text; only the
// file system sees the resolved form.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace qm {

// The path the file system should be asked for. On Windows the text is returned as is.
// Elsewhere "\" becomes "/"; a path that then exists is returned unchanged, otherwise each
// missing component is replaced by the first directory entry (in name order) that equals it
// ignoring ASCII case, and components after one that cannot be found are kept as spelled.
std::string ResolvePath(std::string_view Path);

bool FileExists(std::string_view Path);

// The file opened for reading in binary mode, or null when it cannot be opened or is not a
// regular file (a folder, a FIFO, a device): such paths never block or read endlessly.
std::FILE* OpenRegularFile(std::string_view Path);

// The whole file as bytes; EFOpenError when it cannot be opened or read, or is not a regular file.
std::string ReadFileBytes(std::string_view Path);

// Path made absolute against the current folder and cleaned: one separator between components
// ("/" on POSIX, where "\" counts as one too), no "." and no ".." (taken off by their text, as a
// user reads the path). Loads store such paths, so that one file is one path, valid from any folder.
std::string AbsolutePath(std::string_view Path);

}  // namespace qm
