// Plain text of a topic, as the command line prints it.
#include "hlptopic.h"

namespace qm {

std::string PlainText(const THlpTopic& Topic) {
    std::string out;
    for (const THlpParagraph& p : Topic.Paragraphs) {
        for (const THlpRun& r : p.Runs) out += r.Text;
        out += '\n';
    }
    return out;
}

}  // namespace qm
