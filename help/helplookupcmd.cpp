// The help-lookup command over TDelphiHelp's search, with a viewer that is never asked.
#include "helplookupcmd.h"

#include <ostream>
#include <string>

#include "delphihelp.h"
#include "recordtext.h"

namespace qm {

namespace {

class TNoViewer : public THelpViewer {
public:
    void ShowContents(const std::string&) override {}
    bool JumpToTopic(const std::string&, const std::string&) override { return false; }
};

}  // namespace

int RunHelpLookupCommand(const std::vector<std::string>& Args, const std::string& RootDir,
                         const std::string& StoredIndex, std::ostream& Out, std::ostream& Err) {
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
        return HelpLookupUsage;
    }
    const std::string& word = words[0];
    TNoViewer viewer;
    TDelphiHelp help(RootDir, viewer);
    if (haveIndex) help.SetIndexFile(index);
    else if (!StoredIndex.empty()) help.SetIndexFile(StoredIndex);
    if (help.IndexFile().empty()) {
        Err << "No help keyword index is known: give one with --index FILE, or store its path as "
               "DelphiHelpIndex in the settings\n";
        return 1;
    }
    try {
        if (!help.FindEntry(word)) {
            Err << word << ": not in the help index\n";
            return HelpLookupNotFound;
        }
        // The whole record or nothing: the help file name may still fail. An index is untrusted:
        // its texts are escaped like every other record's.
        const std::string block = std::to_string(help.LastBlock());
        Out << Record({help.LastTopic(), help.TopicID(), help.HelpFileName(), block});
        return 0;
    } catch (const Exception& e) {
        // "Cannot open file" names the file already; the index's other errors do not.
        const std::string& file = help.IndexFile();
        if (e.Message().find(file) == std::string::npos) Err << file << ": ";
        Err << e.Message() << '\n';
        return 1;
    }
}

}  // namespace qm
