// The help-topic command over THlpFile; the whole text is made before anything is printed.
#include "helptopiccmd.h"

#include <charconv>
#include <ostream>
#include <sstream>

#include "errors.h"
#include "hlpfile.h"

namespace qm {

namespace {

// "#N" with N a whole number (negative ones too: context numbers are signed).
bool ContextNumber(const std::string& Arg, int32_t& Number) {
    if (Arg.size() < 2 || Arg[0] != '#') return false;
    auto [end, error] = std::from_chars(Arg.data() + 1, Arg.data() + Arg.size(), Number);
    return error == std::errc() && end == Arg.data() + Arg.size();
}

std::string TopicList(const THlpFile& Help) {
    std::ostringstream out;
    for (size_t i = 0; i < Help.TopicCount(); ++i)
        out << Help.TopicOffset(i) << '\t' << Help.ContextName(i) << '\t' << Help.TopicTitle(i) << '\n';
    return out.str();
}

std::string KeywordList(const THlpFile& Help) {
    std::ostringstream out;
    for (const THlpKeyword& k : Help.Keywords())
        for (size_t topic : k.Topics) out << k.Keyword << '\t' << Help.TopicTitle(topic) << '\n';
    return out.str();
}

}  // namespace

int RunHelpTopicCommand(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err) {
    if (Args.size() != 2) {
        Err << "usage: quillmap2-cli help-topic FILE TOPICID|#NUMBER|--list|--keywords\n";
        return HelpTopicUsage;
    }
    const std::string& file = Args[0];
    const std::string& topicId = Args[1];
    try {
        THlpFile help(file);
        if (topicId == "--list") {
            Out << TopicList(help);
            return 0;
        }
        if (topicId == "--keywords") {
            Out << KeywordList(help);
            return 0;
        }
        int32_t number = 0;
        int index = ContextNumber(topicId, number) ? help.FindTopicByNumber(number) : help.FindTopic(topicId);
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
