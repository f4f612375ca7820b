#include "includecache.h"

#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <utility>

namespace qm {

TIncludeReader CachingIncludeReader(TIncludeReader Reader) {
    struct TFound {
        std::string Path, Text;
    };
    struct TKnown {
        std::mutex Guard;
        std::unordered_map<std::string, std::optional<TFound>> Answers;  // entries are never removed
    };
    auto known = std::make_shared<TKnown>();
    return [Reader = std::move(Reader), known](const std::string& Path, std::string& FoundPath, std::string& Text) {
        std::unique_lock lock(known->Guard);
        auto at = known->Answers.find(Path);
        if (at == known->Answers.end()) {
            // Read unlocked: another thread may ask for other files meanwhile (or read this one
            // too, and the first answer stays).
            lock.unlock();
            std::optional<TFound> answer;
            if (TFound found; Reader(Path, found.Path, found.Text)) answer = std::move(found);
            lock.lock();
            at = known->Answers.emplace(Path, std::move(answer)).first;
        }
        const std::optional<TFound>& answer = at->second;
        lock.unlock();  // an answer stays where it is once made
        if (!answer) return false;
        FoundPath = answer->Path;
        Text = answer->Text;
        return true;
    };
}

}  // namespace qm
