#include "hierarchylayout.h"

#include <algorithm>
#include <cstdio>

#include "errors.h"

namespace qm {

namespace {

using L = THierarchyLayout;
constexpr double RowGap = 0.4 * L::FontSize;

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

// Straight lines through the points, as an SVG path.
std::string Path(const std::array<std::array<double, 2>, 4>& Points) {
    std::string D;
    for (const auto& [X, Y] : Points) D += (D.empty() ? "M" : " L") + Number(X) + " " + Number(Y);
    return D;
}

}  // namespace

std::array<std::array<double, 2>, 4> ImplementsLine(const THierarchyBox& Interface, const THierarchyBox& Class,
                                                    double InterfaceTop, double ClassTop) {
    const double From = ClassTop + Class.Height / 2, To = InterfaceTop + Interface.Height / 2;
    return {{{Class.X + Class.Width, From}, {Interface.Lane, From}, {Interface.Lane, To}, {Interface.X + Interface.Width, To}}};
}

std::string HierarchyTitle(const std::string& ClassName) {
    return "Hierarchy of " + ClassName;
}

THierarchyLayout LayOutHierarchy(const std::vector<THierarchyNode>& Nodes, const std::string& Title) {
    THierarchyLayout Layout;
    Layout.RowHeight = L::BoxHeight + RowGap;
    Layout.Top = L::TitleBaseline() + L::TitleSize;
    // Every box of a column is as wide as the widest text in it, so the columns line up.
    std::vector<double> ColumnWidth;
    for (size_t i = 0; i < Nodes.size(); ++i) {
        const int Depth = Nodes[i].Depth;
        const int Before = i == 0 ? -1 : Nodes[i - 1].Depth;
        if (Depth < 0 || Depth > Before + 1 || (i == 0 && Depth != 0))
            throw Exception("The classes are not a tree: " + Nodes[i].Name + " is out of place");
        if (ColumnWidth.size() <= size_t(Depth)) ColumnWidth.resize(size_t(Depth) + 1, 0);
        const double Width = L::UnitOffset(Nodes[i]) + double(Nodes[i].Unit.size()) * L::CharWidth + L::Padding;
        ColumnWidth[size_t(Depth)] = std::max(ColumnWidth[size_t(Depth)], Width);
    }
    std::vector<int> Open;  // the last box seen at each depth
    for (size_t i = 0; i < Nodes.size(); ++i) {
        const size_t Depth = size_t(Nodes[i].Depth);
        Open.resize(Depth);
        THierarchyBox Box;
        Box.X = L::Margin + double(Depth) * L::Indent;
        Box.Y = Layout.Top + double(i) * Layout.RowHeight;
        Box.Width = ColumnWidth[Depth];
        Box.Height = L::BoxHeight;
        Box.Parent = Open.empty() ? -1 : Open.back();
        Open.push_back(int(i));
        Layout.Boxes.push_back(Box);
        Layout.Width = std::max(Layout.Width, Box.X + Box.Width + L::Margin);
    }
    // Each interface with implementers has a lane of its own right of every box.
    const double Right = Layout.Width;
    int Lanes = 0;
    for (size_t i = 0; i < Nodes.size(); ++i)
        if (!Nodes[i].Implementers.empty()) {
            Layout.Boxes[i].Lane = Right - L::Margin + double(++Lanes) * L::Indent / 2;
            Layout.Width = Layout.Boxes[i].Lane + L::Margin;
        }
    // A bold proportional title is narrower than this, whatever font stands in.
    Layout.Width = std::max(Layout.Width, 2 * L::Margin + double(Title.size()) * 0.6 * L::TitleSize);
    Layout.Height = (Nodes.empty() ? Layout.Top : Layout.Boxes.back().Y + L::BoxHeight) + L::Margin;
    return Layout;
}

std::string HierarchySvg(const std::vector<THierarchyNode>& Nodes, const std::string& Title) {
    const THierarchyLayout Layout = LayOutHierarchy(Nodes, Title);
    std::string S = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(Layout.Width) + "pt\" height=\"" +
                    Number(Layout.Height) + "pt\" viewBox=\"0 0 " + Number(Layout.Width) + " " +
                    Number(Layout.Height) + "\">\n<title>" + Escaped(Title) + "</title>\n"
                    "<style>rect{fill:#fffff0;stroke:#333;stroke-width:0.8} rect.exported{stroke:#000;stroke-width:2.4} "
                    ".edge{fill:none;stroke:#666;stroke-width:0.8} .implements{fill:none;stroke:#666;stroke-width:0.8;"
                    "stroke-dasharray:3 2} "
                    "text{font-family:'Liberation Mono','Courier New',monospace;font-size:" + Number(L::FontSize) +
                    "px} .exported+.name{font-weight:bold} .unit{fill:#555} "
                    "text.title{font-family:'Liberation Sans',Arial,sans-serif;font-weight:bold;font-size:" +
                    Number(L::TitleSize) + "px}</style>\n"
                    "<text class=\"title\" x=\"" + Number(L::Margin) + "\" y=\"" + Number(L::TitleBaseline()) + "\">" +
                    Escaped(Title) + "</text>\n";
    for (size_t i = 0; i < Layout.Boxes.size(); ++i) {
        const THierarchyBox& B = Layout.Boxes[i];
        if (B.Parent < 0) continue;
        const THierarchyBox& P = Layout.Boxes[size_t(B.Parent)];
        // Down from under the ancestor's box, then across to the middle of the class's left edge.
        const double Down = P.X + L::Indent / 2;
        S += "<path class=\"edge\" data-from=\"class-" + std::to_string(B.Parent) + "\" data-to=\"class-" +
             std::to_string(i) + "\" d=\"M" + Number(Down) + " " + Number(P.Y + P.Height) + " V" +
             Number(B.Y + B.Height / 2) + " H" + Number(B.X) + "\"/>\n";
    }
    for (size_t i = 0; i < Layout.Boxes.size(); ++i)
        for (const size_t C : Nodes[i].Implementers)
            S += "<path class=\"implements\" data-from=\"class-" + std::to_string(i) + "\" data-to=\"class-" +
                 std::to_string(C) + "\" d=\"" + Path(ImplementsLine(Layout.Boxes[i], Layout.Boxes[C], Layout.Boxes[i].Y, Layout.Boxes[C].Y)) +
                 "\"/>\n";
    for (size_t i = 0; i < Layout.Boxes.size(); ++i) {
        const THierarchyBox& B = Layout.Boxes[i];
        const double Baseline = L::Baseline(B.Y);
        const std::string Kinds = std::string(Nodes[i].Exported ? "exported" : "") +
                                  (Nodes[i].Exported && Nodes[i].Interface ? " " : "") + (Nodes[i].Interface ? "interface" : "");
        S += "<g id=\"class-" + std::to_string(i) + "\"><rect" + (Kinds.empty() ? "" : " class=\"" + Kinds + "\"") +
             (Nodes[i].Interface ? " rx=\"" + Number(L::InterfaceRadius) + "\"" : "") + " x=\"" + Number(B.X) + "\" y=\"" + Number(B.Y) + "\" width=\"" + Number(B.Width) + "\" height=\"" +
             Number(B.Height) + "\"/><text class=\"name\" x=\"" + Number(B.X + L::Padding) + "\" y=\"" +
             Number(Baseline) + "\">" + Escaped(Nodes[i].Name) + "</text><text class=\"unit\" x=\"" +
             Number(B.X + L::UnitOffset(Nodes[i])) + "\" y=\"" + Number(Baseline) + "\">" + Escaped(Nodes[i].Unit) +
             "</text></g>\n";
    }
    S += "</svg>\n";
    return S;
}

}  // namespace qm
