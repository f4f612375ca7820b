// The container of a help file: a header, internal files each behind a file header, and an
// internal directory (a B+ tree of names and offsets) that finds them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm {

class THlpContainer {
public:
    // Image is the whole file and must outlive the object. Raises THlpDamage when the header,
    // the directory or any file it names does not fit the image.
    explicit THlpContainer(std::string_view Image);

    // The used bytes of the internal file Name; none when the directory does not name it.
    std::optional<std::string_view> File(std::string_view Name) const;
    const std::map<std::string, std::string_view, std::less<>>& Files() const { return FFiles; }

private:
    std::map<std::string, std::string_view, std::less<>> FFiles;
};

// A whole help file holding Files (name, bytes), the directory sorted by name.
std::string BuildHlpContainer(std::vector<std::pair<std::string, std::string>> Files);

}  // namespace qm
