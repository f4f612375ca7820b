// Letters are 3 by 5 cells drawn at twice their size; lower case shows as upper case. Each line
// hangs off the vertical line of its parent's level, as file trees are drawn.
#include "hierarchypicture.h"

#include <algorithm>
#include <cctype>

namespace qm {

namespace {

// Five rows of three bits per letter, the top row first.
constexpr const char* Letters[26] = {
    "010101111101101", "110101110101110", "011100100100011", "110101101101110", "111100110100111",
    "111100110100100", "011100101101011", "101101111101101", "111010010010111", "001001001101010",
    "101101110101101", "100100100100111", "101111111101101", "110101101101101", "010101101101010",
    "110101110100100", "010101101110011", "110101110101101", "011100010001110", "111010010010010",
    "101101101101111", "101101101101010", "101101111111101", "101101010101101", "101101010010010",
    "111001010100111",
};

constexpr int Scale = 2, CellWidth = 4 * Scale, LineHeight = 8 * Scale, Indent = 12, Margin = 6;
constexpr uint32_t Paper = 0xFFFFFFFFu, Ink = 0xFF000080u, Rule = 0xFF808080u;

class TCanvas {
public:
    TCanvas(int Width, int Height) : FWidth(Width), FHeight(Height), FPixels(size_t(Width) * size_t(Height), Paper) {}
    void Dot(int X, int Y, uint32_t Colour) {
        if (X >= 0 && Y >= 0 && X < FWidth && Y < FHeight) FPixels[size_t(Y) * size_t(FWidth) + size_t(X)] = Colour;
    }
    void HLine(int X0, int X1, int Y) {
        for (int x = X0; x <= X1; ++x) Dot(x, Y, Rule);
    }
    void VLine(int X, int Y0, int Y1) {
        for (int y = Y0; y <= Y1; ++y) Dot(X, y, Rule);
    }
    // Draws Text from (X, Y), the top left corner; returns the width taken.
    int Text(int X, int Y, const std::string& Text) {
        int x = X;
        for (char c : Text) {
            const int letter = std::toupper(static_cast<unsigned char>(c)) - 'A';
            if (letter >= 0 && letter < 26)
                for (int row = 0; row < 5; ++row)
                    for (int col = 0; col < 3; ++col)
                        if (Letters[letter][row * 3 + col] == '1')
                            for (int d = 0; d < Scale * Scale; ++d) Dot(x + col * Scale + d % Scale, Y + row * Scale + d / Scale, Ink);
            x += CellWidth;
        }
        return x - X;
    }
    std::vector<uint32_t> Take() { return std::move(FPixels); }

private:
    int FWidth, FHeight;
    std::vector<uint32_t> FPixels;
};

}  // namespace

THlpPicture HierarchyPicture(const std::vector<THierarchyLine>& Lines) {
    int width = 0;
    for (const THierarchyLine& l : Lines) width = std::max(width, Margin * 2 + l.Depth * Indent + int(l.Name.size()) * CellWidth);
    THlpPicture picture;
    picture.Kind = THlpPicture::TKind::Dib;
    picture.Packing = 2;
    picture.Width = std::max(width, 1);
    picture.Height = std::max(Margin * 2 + int(Lines.size()) * LineHeight, 1);
    TCanvas canvas(picture.Width, picture.Height);
    for (size_t i = 0; i < Lines.size(); ++i) {
        const THierarchyLine& l = Lines[i];
        const int x = Margin + l.Depth * Indent, y = Margin + int(i) * LineHeight;
        if (l.Depth > 0) {
            // Up to the nearest line of the parent's level.
            size_t parent = i;
            while (parent > 0 && Lines[parent - 1].Depth >= l.Depth) --parent;
            const int top = parent > 0 ? Margin + int(parent - 1) * LineHeight + 5 * Scale + 1 : y;
            canvas.VLine(x - Indent + 2, top, y + 2 * Scale);
            canvas.HLine(x - Indent + 2, x - 2, y + 2 * Scale);
        }
        const int taken = canvas.Text(x, y, l.Name);
        if (l.JumpHash != 0)
            picture.Hotspots.push_back({l.Name, l.Name, x, y, taken, 5 * Scale, false, l.JumpHash});
    }
    picture.Pixels = canvas.Take();
    return picture;
}

}  // namespace qm
