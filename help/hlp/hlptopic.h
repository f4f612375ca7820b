// The content of one help topic as the reader gives it and the writer takes it: a title and
// paragraphs of runs of text that share one format and, for a hotspot, one jump; paragraphs may
// be the cells of a table, and the first ones may stand in the topic's non-scrolling region.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hlppicture.h"

namespace qm {

// A font as the author set it: attributes, size in half points, colour (0xRRGGBB) and the
// Windows character set its text is in (0: the file's own).
struct THlpFont {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    uint16_t HalfPoints = 20;
    uint32_t Colour = 0;
    uint8_t Charset = 0;

    bool operator==(const THlpFont&) const = default;
};

struct THlpRun {
    // Text in UTF-8; "\n" is a line break, "\t" a tab.
    std::string Text;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    // A hotspot that jumps to the topic whose context string hashes to JumpHash, in the help
    // file JumpFile when that is not empty; a popup shows that topic in a small window.
    bool Jump = false;
    uint32_t JumpHash = 0;
    uint16_t HalfPoints = 20;
    uint32_t Colour = 0;
    bool Popup = false;
    std::string JumpFile;
    // A picture instead of text: its place in the topic's Pictures, and where it stands: 0 in
    // the line, 1 at the left margin, 2 at the right one.
    int Picture = -1;
    uint8_t PictureAlign = 0;
    // The character set of its font, as THlpFont's.
    uint8_t Charset = 0;

    THlpFont Font() const { return {Bold, Italic, Underline, HalfPoints, Colour, Charset}; }
    void SetFont(const THlpFont& F) {
        Bold = F.Bold, Italic = F.Italic, Underline = F.Underline;
        HalfPoints = F.HalfPoints, Colour = F.Colour, Charset = F.Charset;
    }
    // Everything but the text is the same.
    bool SameFormat(const THlpRun& Other) const {
        return Font() == Other.Font() && Jump == Other.Jump && JumpHash == Other.JumpHash && Popup == Other.Popup &&
               JumpFile == Other.JumpFile && Picture < 0 && Other.Picture < 0;
    }
    bool operator==(const THlpRun&) const = default;
};

struct THlpParagraph {
    std::vector<THlpRun> Runs;
    // A table's cell: the table's number in the topic (from 1; 0 outside any table), the cell's
    // row and column (from 0), and the widths of the table's columns.
    int Table = 0;
    int Row = 0;
    int Column = 0;
    std::vector<int> ColumnWidths;

    bool operator==(const THlpParagraph&) const = default;
};

struct THlpTopic {
    std::string Title;
    std::vector<THlpParagraph> Paragraphs;
    // How many of the first paragraphs stand in the non-scrolling region above the text.
    size_t NonScrolling = 0;
    std::vector<THlpPicture> Pictures;

    bool operator==(const THlpTopic&) const = default;
};

// The topic's text without formats: one line per paragraph (a table's cells too), a jump as its
// text.
std::string PlainText(const THlpTopic& Topic);

}  // namespace qm
