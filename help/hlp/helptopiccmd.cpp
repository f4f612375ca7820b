// The help-topic command over THlpFile; the whole text is made before anything is printed.
#include "helptopiccmd.h"

#include <ostream>

#include "errors.h"
#include "hlpfile.h"

namespace qm {

int RunHelpTopicCommand(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err) {
    if (Args.size() != 2) {
        Err << "usage: quillmap2-cli help-topic FILE TOPICID\n";
        return HelpTopicUsage;
    }
    const std::string& file = Args[0];
    const std::string& topicId = Args[1];
    try {
        THlpFile help(file);
        int index = help.FindTopic(topicId);
        if (index < 0) {
            Err << topicId << ": no such topic in " << file << '\n';
            return HelpTopicNotFound;
        }
        THlpTopic topic = help.Topic(size_t(index));
        Out << topic.Title << '\n' << PlainText(topic);
        return 0;
    } catch (const Exception& e) {
        Err << e.Message() << '\n';
        return 1;
    }
}

}  // namespace qm
