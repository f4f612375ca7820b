// The viewer command: words, placeholders, and a run without a shell.
#include "commandviewer.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "format.h"
#include "helperror.h"

#include "paths.h"

extern char** environ;

namespace qm {

namespace {

std::vector<std::string> SplitWords(std::string_view Command) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : Command) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;  // "" is an empty word
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

std::string ReplacePlaceholders(std::string_view Word, std::string_view HelpFile,
                                std::string_view TopicID) {
    std::string result;
    for (size_t i = 0; i < Word.size(); ++i) {
        char next = i + 1 < Word.size() ? Word[i + 1] : '\0';
        if (Word[i] != '%' || (next != 'f' && next != 't' && next != '%')) {
            result += Word[i];
            continue;
        }
        if (next == 'f') result += HelpFile;
        else if (next == 't') result += TopicID;
        else result += '%';
        ++i;
    }
    return result;
}

}  // namespace

std::vector<std::string> ViewerArguments(std::string_view Command, std::string_view HelpFile,
                                         std::string_view TopicID) {
    std::vector<std::string> args = SplitWords(Command);
    for (std::string& arg : args) arg = ReplacePlaceholders(arg, HelpFile, TopicID);
    return args;
}

// The viewer is started from a short-lived child that exits as soon as the viewer runs, so the
// viewer belongs to no one who waits for it and the window never waits for the viewer. The child's
// exit status carries the error number of a failed start.
int StartProgram(const std::vector<std::string>& Args) {
    if (Args.empty() || Args[0].empty()) return ENOENT;
    std::vector<char*> argv;
    for (const std::string& arg : Args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child < 0) return errno;
    if (child == 0) {
        pid_t viewer;
        const int error = posix_spawnp(&viewer, argv[0], nullptr, nullptr, argv.data(), environ);
        _exit(error > 0 && error < 256 ? error : error == 0 ? 0 : EINVAL);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return errno;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : ECHILD;
}

bool TCommandHelpViewer::JumpToTopic(const std::string& HelpFile, const std::string& TopicID) {
    std::string command = FViewerCommand ? FViewerCommand() : std::string();
    // A topic id standing alone as a word must not pass for one of the viewer's options.
    if (!TopicID.empty() && TopicID[0] == '-') return false;
    std::vector<std::string> args = ViewerArguments(command, ResolvePath(HelpFile), TopicID);
    if (args.empty()) return false;
    if (const int error = StartProgram(args); error != 0)
        throw EHelpViewerError(
            Format("Unable to start the help viewer \"%s\": %s", {Shortened(command), std::strerror(error)}));
    return true;
}

}  // namespace qm
