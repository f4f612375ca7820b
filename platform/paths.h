// File access for source trees copied from Windows: both "\" and "/" separate path
// components everywhere, and on POSIX a component that does not exist as spelled is
// matched without regard to letter case. Stored paths keep the caller's text; only the
// file system sees the resolved form.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// The path the file system should be asked for. On Windows the text is returned as is.
// Elsewhere "\" becomes "/"; a path that then exists is returned unchanged, otherwise each
// missing component is replaced by the first directory entry (in name order) that equals it
// ignoring ASCII case, and components after one that cannot be found are kept as spelled.
std::string ResolvePath(std::string_view Path);

bool FileExists(std::string_view Path);

// The whole file as bytes; EFOpenError when it cannot be opened or read.
std::string ReadFileBytes(std::string_view Path);

}  // namespace qm
