#include "paths.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "asciitext.h"
#include "errors.h"

namespace fs = std::filesystem;

namespace qm {

namespace {

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::path(path), ec);
}

// The entry of Dir whose name equals Name ignoring case; empty when there is none.
std::string FindEntryIgnoringCase(const std::string& Dir, std::string_view Name) {
    std::error_code ec;
    std::vector<std::string> matches;
    for (fs::directory_iterator it(fs::path(Dir.empty() ? "." : Dir), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (SameText(entry, Name)) matches.push_back(std::move(entry));
    }
    if (matches.empty()) return {};
    return *std::min_element(matches.begin(), matches.end());
}

std::string Join(const std::string& Dir, std::string_view Name) {
    if (Dir.empty()) return std::string(Name);
    return Dir.back() == '/' ? Dir + std::string(Name) : Dir + '/' + std::string(Name);
}

}  // namespace

std::string ResolvePath(std::string_view Path) {
#ifdef _WIN32
    return std::string(Path);
#else
    std::string text(Path);
    std::replace(text.begin(), text.end(), '\\', '/');
    if (text.empty() || Exists(text)) return text;

    std::string resolved = text[0] == '/' ? "/" : "";
    bool searching = true;  // stop matching once a component is missing altogether
    size_t pos = 0;
    while (pos < text.size()) {
        size_t slash = std::min(text.find('/', pos), text.size());
        std::string_view part(text.data() + pos, slash - pos);
        pos = slash + 1;
        if (part.empty()) continue;

        std::string next = Join(resolved, part);
        if (searching && part != "." && part != ".." && !Exists(next)) {
            std::string entry = FindEntryIgnoringCase(resolved, part);
            if (entry.empty()) searching = false;
            else next = Join(resolved, entry);
        }
        resolved = std::move(next);
    }
    return resolved;
#endif
}

bool FileExists(std::string_view Path) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(ResolvePath(Path)), ec);
}

std::string ReadFileBytes(std::string_view Path) {
    std::string name(Path);
    std::FILE* f = std::fopen(ResolvePath(Path).c_str(), "rb");
    if (!f) throw EFOpenError(name);
    std::string data;
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(f) : -1;
    ok = ok && size >= 0 && std::fseek(f, 0, SEEK_SET) == 0;
    if (ok) {
        data.resize(size_t(size));
        ok = std::fread(data.data(), 1, data.size(), f) == data.size();
    }
    std::fclose(f);
    if (!ok) throw EFOpenError(name);
    return data;
}

}  // namespace qm
