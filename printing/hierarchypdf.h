// The class hierarchy picture in a file: SVG, or PDF of A4 pages with the tree scaled to fit a
// page (never below a readable size) and split into pages by rows where it is longer than that.
#pragma once

#include <string>
#include <vector>

#include "hierarchylayout.h"

namespace qm {

// Raises Exception naming the file when it cannot be written. Returns the number of pages.
int WriteHierarchyPdf(const std::vector<THierarchyNode>& Nodes, const std::string& FileName, const std::string& Title);

enum class THierarchyFormat { Svg, Pdf };
// The picture in the file, as SVG (one page) or PDF; the number of pages. Raises Exception naming
// the file when it cannot be written.
int WriteHierarchy(const std::vector<THierarchyNode>& Nodes, const std::string& FileName, THierarchyFormat Format,
                   const std::string& Title);

}  // namespace qm
