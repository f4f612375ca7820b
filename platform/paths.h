// File access for source trees copied from Windows: both "\" and "/" separate path
// components everywhere, and on POSIX a name spelled by a person or a list (a unit file given
// to a load, the VCL's unit files) is matched without regard to letter case where it does not
// exist as spelled. A path stored once its file was found is asked for exactly: on a file
// system that tells letter case apart it names that one file, or none once it has gone.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace qm {

// How a path's components are matched against the folders' entries on POSIX.
enum class TPathMatch {
    AnyCase,  // a spelled name: a component missing as spelled takes an entry equal ignoring case
    Exact,    // a stored path: letter case counts
};

// Windows tells no letter case apart in paths: the same path in another case is the same file.
#ifdef _WIN32
inline constexpr bool PathsIgnoreCase = true;
#else
inline constexpr bool PathsIgnoreCase = false;
#endif

// The path the file system should be asked for. On Windows the text is returned as is.
// Elsewhere "\" becomes "/"; with AnyCase a path that then does not exist has each missing
// component replaced by the first directory entry (in name order) that equals it ignoring ASCII
// case, and components after one that cannot be found are kept as spelled.
std::string ResolvePath(std::string_view Path, TPathMatch Match = TPathMatch::AnyCase);

bool FileExists(std::string_view Path, TPathMatch Match = TPathMatch::AnyCase);

// The entry of the folder Dir (a path as the file system is asked for it) whose name equals Name
// ignoring ASCII case, spelled as on disk (of several, the first in name order); empty when there
// is none. On POSIX a folder's listing is kept while its time stays, so asking many names of one
// folder costs a stat each. On Windows Name itself, when it exists.
std::string EntryIgnoringCase(const std::string& Dir, std::string_view Name);

// The file opened for reading in binary mode, or null when it cannot be opened or is not a
// regular file (a folder, a FIFO, a device): such paths never block or read endlessly.
std::FILE* OpenRegularFile(std::string_view Path, TPathMatch Match = TPathMatch::AnyCase);

// The whole file as bytes; EFOpenError when it cannot be opened or read, or is not a regular file.
std::string ReadFileBytes(std::string_view Path, TPathMatch Match = TPathMatch::AnyCase);
// The same for a reader that takes files up to MaxBytes: a larger file is refused before a byte of
// it is read, with EStreamError Format(TooLarge, {path, size in MB rounded up}).
std::string ReadFileBytes(std::string_view Path, TPathMatch Match, uintmax_t MaxBytes, const char* TooLarge);
// The same into the beginning of Buffer, which serves file after file: returns the file's size;
// Buffer grows to hold a larger file than any before and never shrinks (the bytes after the
// file's are left from before). Buffer's contents are unspecified after an error.
size_t ReadFileBytes(std::string_view Path, TPathMatch Match, uintmax_t MaxBytes, const char* TooLarge,
                     std::string& Buffer);

// The parts of a path before and after its last separator ("\", "/", or a drive's ":"):
// FolderPart("C:\D\X.PAS") is "C:\D\" (empty when there is no separator), FileNamePart "X.PAS".
std::string FolderPart(std::string_view Path);
std::string FileNamePart(std::string_view Path);

// Path made absolute against the current folder and cleaned: one separator between components
// ("/" on POSIX, where "\" counts as one too), no "." and no ".." (taken off by their text, as a
// user reads the path). Loads store such paths, so that one file is one path, valid from any folder.
std::string AbsolutePath(std::string_view Path);

}  // namespace qm
