#include "hierarchylayout.h"

#include <algorithm>
#include <cstdio>

#include "errors.h"

namespace qm {

namespace {

constexpr double BoxHeight = THierarchyLayout::FontSize + 3;
constexpr double RowGap = 2;
constexpr double Indent = 24;  // from a box's left edge to its descendants' column
constexpr double Padding = THierarchyLayout::Padding;

std::string Number(double Value) {
    char Text[32];
    std::snprintf(Text, sizeof Text, "%.1f", Value);
    return Text;
}

// Text for XML: the five characters that mean markup, and control characters left out.
std::string Escaped(const std::string& Text) {
    std::string Result;
    for (const char C : Text) {
        switch (C) {
        case '&': Result += "&amp;"; break;
        case '<': Result += "&lt;"; break;
        case '>': Result += "&gt;"; break;
        case '"': Result += "&quot;"; break;
        case '\'': Result += "&apos;"; break;
        default:
            if (static_cast<unsigned char>(C) >= ' ') Result += C;
        }
    }
    return Result;
}

}  // namespace

THierarchyLayout LayOutHierarchy(const std::vector<THierarchyNode>& Nodes) {
    THierarchyLayout L;
    L.RowHeight = BoxHeight + RowGap;
    // Every box of a column is as wide as the widest text in it, so the columns line up.
    std::vector<double> ColumnWidth;
    for (size_t i = 0; i < Nodes.size(); ++i) {
        const int Depth = Nodes[i].Depth;
        const int Before = i == 0 ? -1 : Nodes[i - 1].Depth;
        if (Depth < 0 || Depth > Before + 1 || (i == 0 && Depth != 0))
            throw Exception("The classes are not a tree: " + Nodes[i].Name + " is out of place");
        if (ColumnWidth.size() <= size_t(Depth)) ColumnWidth.resize(size_t(Depth) + 1, 0);
        const double Width = L.UnitOffset(Nodes[i]) + double(Nodes[i].Unit.size()) * L.CharWidth + Padding;
        ColumnWidth[size_t(Depth)] = std::max(ColumnWidth[size_t(Depth)], Width);
    }
    // A column starts Indent after the one before, or after its widest box when that is narrow.
    std::vector<double> ColumnX(ColumnWidth.size(), L.Margin);
    for (size_t d = 1; d < ColumnX.size(); ++d) ColumnX[d] = ColumnX[d - 1] + Indent;
    std::vector<int> Open;  // the last box seen at each depth
    for (size_t i = 0; i < Nodes.size(); ++i) {
        const size_t Depth = size_t(Nodes[i].Depth);
        Open.resize(Depth);
        THierarchyBox Box;
        Box.X = ColumnX[Depth];
        Box.Y = L.Margin + double(i) * L.RowHeight;
        Box.Width = ColumnWidth[Depth];
        Box.Height = BoxHeight;
        Box.Parent = Open.empty() ? -1 : Open.back();
        Open.push_back(int(i));
        L.Boxes.push_back(Box);
        L.Width = std::max(L.Width, Box.X + Box.Width + L.Margin);
    }
    L.Height = Nodes.empty() ? 2 * L.Margin : L.Boxes.back().Y + BoxHeight + L.Margin;
    return L;
}

std::string HierarchySvg(const std::vector<THierarchyNode>& Nodes) {
    const THierarchyLayout L = LayOutHierarchy(Nodes);
    std::string S = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(L.Width) + "pt\" height=\"" +
                    Number(L.Height) + "pt\" viewBox=\"0 0 " + Number(L.Width) + " " + Number(L.Height) + "\">\n"
                    "<style>rect{fill:#fffff0;stroke:#333;stroke-width:0.8} .edge{fill:none;stroke:#666;stroke-width:0.8} "
                    "text{font-family:'Liberation Mono','Courier New',monospace;font-size:" + Number(L.FontSize) +
                    "px} .unit{fill:#555}</style>\n";
    for (size_t i = 0; i < L.Boxes.size(); ++i) {
        const THierarchyBox& B = L.Boxes[i];
        if (B.Parent < 0) continue;
        const THierarchyBox& P = L.Boxes[size_t(B.Parent)];
        // Down from under the ancestor's box, then across to the middle of the class's left edge.
        const double Down = P.X + Indent / 2;
        S += "<path class=\"edge\" data-from=\"class-" + std::to_string(B.Parent) + "\" data-to=\"class-" +
             std::to_string(i) + "\" d=\"M" + Number(Down) + " " + Number(P.Y + P.Height) + " V" +
             Number(B.Y + B.Height / 2) + " H" + Number(B.X) + "\"/>\n";
    }
    for (size_t i = 0; i < L.Boxes.size(); ++i) {
        const THierarchyBox& B = L.Boxes[i];
        const double Baseline = B.Y + B.Height - 3;
        S += "<g id=\"class-" + std::to_string(i) + "\"><rect x=\"" + Number(B.X) + "\" y=\"" + Number(B.Y) +
             "\" width=\"" + Number(B.Width) + "\" height=\"" + Number(B.Height) + "\"/><text class=\"name\" x=\"" +
             Number(B.X + Padding) + "\" y=\"" + Number(Baseline) + "\">" + Escaped(Nodes[i].Name) +
             "</text><text class=\"unit\" x=\"" + Number(B.X + L.UnitOffset(Nodes[i])) + "\" y=\"" + Number(Baseline) +
             "\">" + Escaped(Nodes[i].Unit) + "</text></g>\n";
    }
    S += "</svg>\n";
    return S;
}

}  // namespace qm
