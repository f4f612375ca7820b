// The picture of a class hierarchy for the sample's help file: an indented tree of class names in
// a small pixel font of our own, each line a hotspot to its class's topic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hlppicture.h"

namespace qm {

struct THierarchyLine {
    int Depth = 0;
    std::string Name;
    uint32_t JumpHash = 0;  // 0: no topic to jump to
};

// A device-independent bitmap, LZ77 packed, of the lines in their order.
THlpPicture HierarchyPicture(const std::vector<THierarchyLine>& Lines);

}  // namespace qm
