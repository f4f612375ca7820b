// Shared by the help file tests: small topic sets to write, and runs made briefly.
#pragma once

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

}  // namespace qm::test
