// The help-lookup command over TDelphiHelp's search, with a viewer that is never asked.
#include "helplookupcmd.h"

#include <ostream>

#include "delphihelp.h"

namespace qm {

namespace {

class TNoViewer : public THelpViewer {
public:
    void ShowContents(const std::string&) override {}
    bool JumpToTopic(const std::string&, const std::string&) override { return false; }
};

}  // namespace

int RunHelpLookupCommand(const std::vector<std::string>& Args, const std::string& RootDir,
                         std::ostream& Out, std::ostream& Err) {
    std::vector<std::string> words;
    std::string index;
    bool haveIndex = false, usage = false;
    for (size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] != "--index") words.push_back(Args[i]);
        else if (i + 1 < Args.size() && !haveIndex) index = Args[++i], haveIndex = true;
        else usage = true;
    }
    if (usage || words.size() != 1) {
        Err << "usage: quillmap2-cli help-lookup WORD [--index FILE]\n";
        return 2;
    }
    const std::string& word = words[0];
    TNoViewer viewer;
    TDelphiHelp help(RootDir, viewer);
    if (haveIndex) help.SetIndexFile(index);
    try {
        if (!help.FindEntry(word)) return 1;
        Out << help.LastTopic() << '\t' << help.TopicID() << '\t' << help.HelpFileName() << '\t'
            << help.LastBlock() << '\n';
        return 0;
    } catch (const Exception& e) {
        Err << e.Message() << '\n';
        return 1;
    }
}

}  // namespace qm
