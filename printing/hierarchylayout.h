// The picture of a class hierarchy: a title, then a tree drawn left to right, one class a row in
// depth-first order, each class a box with its name and then its unit on one line, joined to its
// ancestor by an elbow line; the class the picture is made for has a bold box. The layout is
// plain arithmetic in points, shared by the SVG text and the PDF pages.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace qm {

// One class of the tree, in depth-first order: Depth 0 is the top, a class's descendants follow
// it one level deeper. Exported marks the class the picture is made for. An interface has a box of
// its own shape (rounded), and a dashed line to each class that implements it (Implementers:
// indexes of their nodes).
struct THierarchyNode {
    std::string Name;
    std::string Unit;
    int Depth = 0;
    bool Exported = false;
    bool Interface = false;
    std::vector<size_t> Implementers;
};

// The nodes of a depth-first list of classes (rows with ClassID, Name, UnitName and Depth, as the
// class database lists a hierarchy), the class ExportedID marked.
template <class TRows>
std::vector<THierarchyNode> HierarchyNodes(const TRows& Rows, int ExportedID) {
    std::vector<THierarchyNode> Nodes;
    for (const auto& Row : Rows) Nodes.push_back({Row.Name, Row.UnitName, Row.Depth, Row.ClassID == ExportedID});
    return Nodes;
}

// The nodes of a hierarchy with its interfaces (THierarchyRows: Rows, Interface, Implements).
template <class THierarchy>
std::vector<THierarchyNode> HierarchyNodesOf(const THierarchy& Hierarchy, int ExportedID) {
    std::vector<THierarchyNode> Nodes = HierarchyNodes(Hierarchy.Rows, ExportedID);
    for (size_t i = 0; i < Nodes.size(); ++i) Nodes[i].Interface = Hierarchy.Interface[i];
    for (const auto& [Interface, Class] : Hierarchy.Implements) Nodes[Interface].Implementers.push_back(Class);
    return Nodes;
}

struct THierarchyBox {
    double X = 0, Y = 0, Width = 0, Height = 0;
    int Parent = -1;  // index of the ancestor's box; -1 for a top class
    // An interface with implementers: the x of the lane its dashed lines run along, right of
    // every box; 0 for none.
    double Lane = 0;
};

struct THierarchyLayout {
    static constexpr double FontSize = 10;  // points, a fixed-pitch font
    static constexpr double CharWidth = 0.6 * FontSize;
    static constexpr double Padding = 4;
    static constexpr double Margin = 12;
    static constexpr double TitleSize = 1.4 * FontSize;
    // From a box's left edge to its descendants' column; the ancestor's line runs down half way.
    static constexpr double Indent = 4 * CharWidth;
    static constexpr double BoxHeight = 1.6 * FontSize;

    // Where the unit's text starts in a box, from the box's left edge.
    static double UnitOffset(const THierarchyNode& Node) { return Padding + double(Node.Name.size() + 2) * CharWidth; }
    // Rounded corners of an interface's box.
    static constexpr double InterfaceRadius = BoxHeight / 2;
    // The text's baseline in a box whose top is at Top.
    static double Baseline(double Top) { return Top + (BoxHeight + 0.7 * FontSize) / 2; }
    // The title's baseline: the title stands above the first row.
    static double TitleBaseline() { return Margin + TitleSize; }

    std::vector<THierarchyBox> Boxes;  // one per node, in the nodes' order
    double Width = 0, Height = 0;
    double Top = 0;        // the first row's top, below the title
    double RowHeight = 0;  // the rows are RowHeight apart
};

// The dashed line from a class's box (its top at ClassTop) to the interface it implements (its top
// at InterfaceTop): right along the class's middle to the interface's lane, along the lane, and left
// to the interface's box.
std::array<std::array<double, 2>, 4> ImplementsLine(const THierarchyBox& Interface, const THierarchyBox& Class,
                                                    double InterfaceTop, double ClassTop);
// "Hierarchy of NAME", the picture's title.
std::string HierarchyTitle(const std::string& ClassName);
// Raises Exception when a node's depth is more than one below the one before it or below 0
// (the nodes are not a depth-first tree).
THierarchyLayout LayOutHierarchy(const std::vector<THierarchyNode>& Nodes, const std::string& Title);
// The picture as an SVG document with Title above the tree (and as its <title>). Each class is a
// group with the id "class-N" (N its index) holding its box and texts, the exported class's box
// of class "exported"; each line is a path of class "edge" naming the two groups in data-from
// (the ancestor) and data-to; an interface's box is of class "interface", and its dashed line to an
// implementer a path of class "implements" from the interface's group to the class's.
std::string HierarchySvg(const std::vector<THierarchyNode>& Nodes, const std::string& Title);

}  // namespace qm
