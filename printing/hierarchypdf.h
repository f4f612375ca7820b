// The class hierarchy picture in a file: SVG, or PDF of A4 pages (landscape for a tree wider than
// tall) with the text at a readable size, split into pages by rows; a continued page repeats the
// ancestors of its first class at its top.
#pragma once

#include <string>
#include <vector>

#include "hierarchylayout.h"

namespace qm {

enum class THierarchyFormat { Svg, Pdf };
// The picture of ClassName's hierarchy in the file, as SVG (one page) or PDF; the number of
// pages. The file is replaced whole or not at all: raises Exception "Cannot write FILE: reason"
// when it cannot be written.
int WriteHierarchy(const std::vector<THierarchyNode>& Nodes, const std::string& FileName, THierarchyFormat Format,
                   const std::string& ClassName);

}  // namespace qm
