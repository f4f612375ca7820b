// The picture of a class hierarchy: a tree drawn left to right, one class a row in depth-first
// order, each class a box with its name and then its unit on one line, joined to its ancestor by
// an elbow line. The
// layout is plain arithmetic in points, shared by the SVG text and the PDF pages.
#pragma once

#include <string>
#include <vector>

namespace qm {

// One class of the tree, in depth-first order: Depth 0 is the top, a class's descendants follow
// it one level deeper.
struct THierarchyNode {
    std::string Name;
    std::string Unit;
    int Depth = 0;
};

struct THierarchyBox {
    double X = 0, Y = 0, Width = 0, Height = 0;
    int Parent = -1;  // index of the ancestor's box; -1 for a top class
};

struct THierarchyLayout {
    // Where the unit's text starts in a box, from the box's left edge.
    double UnitOffset(const THierarchyNode& Node) const { return Padding + double(Node.Name.size() + 2) * CharWidth; }
    static constexpr double Padding = 3;
    std::vector<THierarchyBox> Boxes;  // one per node, in the nodes' order
    double Width = 0, Height = 0;
    double RowHeight = 0;               // the rows are RowHeight apart, the first at Margin
    static constexpr double FontSize = 8;        // points, a fixed-pitch font
    static constexpr double CharWidth = 0.6 * FontSize;
    static constexpr double Margin = 12;
};

// Raises Exception when a node's depth is more than one below the one before it or below 0
// (the nodes are not a depth-first tree).
THierarchyLayout LayOutHierarchy(const std::vector<THierarchyNode>& Nodes);
// The picture as an SVG document. Each class is a group with the id "class-N" (N its index)
// holding its box and texts; each line is a path of class "edge" naming the two groups in
// data-from (the ancestor) and data-to.
std::string HierarchySvg(const std::vector<THierarchyNode>& Nodes);

}  // namespace qm
