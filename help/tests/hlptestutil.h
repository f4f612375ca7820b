// Shared by the help file tests: small topic sets to write, and runs made briefly.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "hlpformat.h"
#include "hlpwriter.h"

namespace qm::test {

inline THlpRun Text(std::string Text) { return THlpRun{std::move(Text)}; }
inline THlpRun Bold(std::string Text) { return THlpRun{std::move(Text), true}; }
inline THlpRun Italic(std::string Text) { return THlpRun{std::move(Text), false, true}; }
inline THlpRun Underline(std::string Text) { return THlpRun{std::move(Text), false, false, true}; }
inline THlpRun JumpTo(std::string Text, const std::string& ContextId) {
    THlpRun r{std::move(Text)};
    r.Jump = true;
    r.JumpHash = ContextHash(ContextId);
    return r;
}

// Count topics "Topic N" (context strings "TN_Topic", whose hashes fall on both sides of 2^31), each of a heading, a formatted paragraph with a
// line break, and a jump to the next topic (the last to the first); the same words recur so
// that phrases and packing have something to do.
inline std::vector<THlpSourceTopic> SampleTopics(int Count) {
    std::vector<THlpSourceTopic> topics;
    for (int i = 0; i < Count; ++i) {
        std::string n = std::to_string(i), next = "T" + std::to_string((i + 1) % Count) + "_Topic";
        THlpSourceTopic t;
        t.ContextId = "T" + n + "_Topic";
        t.Topic.Title = "Topic " + n;
        t.Topic.Paragraphs = {
            {{Bold("Topic " + n)}},
            {{Text("property Caption" + n + ": string;\n"), Italic("declared in"), Text(" the unit "),
              Underline("Controls"), Text("\twith a tab")}},
            {{Text("See also: "), JumpTo("Topic " + std::to_string((i + 1) % Count), next), Text(".")}},
        };
        topics.push_back(std::move(t));
    }
    return topics;
}

// A Windows metafile of the records given as their function number and parameter words, with
// its header and end record.
inline std::string Metafile(const std::vector<std::vector<int>>& Records) {
    std::string body;
    auto word = [](std::string& Out, int W) { Out += char(W & 0xFF), Out += char((W >> 8) & 0xFF); };
    size_t largest = 3;
    for (std::vector<int> r : Records) {
        const size_t words = r.size() + 2;
        largest = std::max(largest, words);
        word(body, int(words & 0xFFFF)), word(body, int(words >> 16));
        for (int w : r) word(body, w);
    }
    word(body, 3), word(body, 0), word(body, 0);  // the end
    std::string out;
    const size_t total = 9 + body.size() / 2;
    word(out, 1), word(out, 9), word(out, 0x0300);
    word(out, int(total & 0xFFFF)), word(out, int(total >> 16));
    word(out, 8);  // objects at most
    word(out, int(largest & 0xFFFF)), word(out, int(largest >> 16));
    word(out, 0);
    return out + body;
}

inline THlpParagraph Cell(int Table, int Row, int Column, std::vector<THlpRun> Runs) {
    THlpParagraph p{std::move(Runs)};
    p.Table = Table, p.Row = Row, p.Column = Column, p.ColumnWidths = {1200, 3000, 800};
    return p;
}

// A topic with a heading region, fonts of every kind, tables (an empty cell and a cell of two
// paragraphs among them), popups and a jump into another file.
inline std::vector<THlpSourceTopic> FormattedTopics() {
    auto topics = SampleTopics(3);
    THlpRun big = Bold("Heading"), red = Text("red"), small = Italic("small print");
    big.HalfPoints = 28, red.Colour = 0xC00000, small.HalfPoints = 14, small.Colour = 0x008000;
    THlpRun popup = JumpTo("a popup", "T2_Topic"), elsewhere = JumpTo("in another file", "Other_Topic");
    popup.Popup = true;
    elsewhere.JumpFile = "OTHER.HLP";
    THlpRun popupElsewhere = elsewhere;
    popupElsewhere.Popup = true, popupElsewhere.Text = "a popup there";
    THlpTopic& t = topics[1].Topic;
    t.Paragraphs = {
        {{big}},
        {{Text("Under the heading")}},
        {{Text("Some "), red, Text(" text and "), small}},
        Cell(1, 0, 0, {Bold("Name")}), Cell(1, 0, 1, {Bold("Meaning")}), Cell(1, 0, 2, {}),
        Cell(1, 1, 0, {Text("Caption")}), Cell(1, 1, 1, {Text("The text shown")}), Cell(1, 1, 1, {popup}),
        Cell(1, 1, 2, {Underline("x")}),
        {{Text("Between the tables, "), elsewhere, Text(" and "), popupElsewhere}},
        Cell(2, 0, 1, {Text("second table, second column")}), Cell(2, 1, 0, {Text("next row")}),
    };
    t.NonScrolling = 2;
    topics[2].Topic.NonScrolling = topics[2].Topic.Paragraphs.size();
    return topics;
}

}  // namespace qm::test
