// libFuzzer target: arbitrary bytes as a help file (.HLP), opened, every topic read, and every
// jump followed. Only the format's own message may come out of a damaged file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "helperror.h"
#include "hlpfile.h"

namespace {

std::string HelpPath() {
    std::filesystem::path dir = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                    : std::filesystem::temp_directory_path();
    return (dir / ("qm_hlp_fuzz_" + std::to_string(getpid()) + ".hlp")).string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const std::string path = HelpPath();
    static const bool removeAtExit = std::atexit([] { std::remove(path.c_str()); }) == 0;
    (void)removeAtExit;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(Data, 1, Size, f) != Size) std::abort();
    std::fclose(f);
    const std::string expected = "Invalid help file " + path;
    try {
        qm::THlpFile help(path);
        help.FindTopic("Contents");
        help.FindTopicByNumber(1);
        for (const auto& k : help.Keywords())
            for (size_t t : k.Topics)
                if (t >= help.TopicCount()) std::abort();
        for (size_t i = 0; i < help.TopicCount(); ++i) {
            qm::THlpTopic topic = help.Topic(i);
            for (const auto& p : topic.Paragraphs)
                for (const auto& r : p.Runs) {
                    int target = r.Jump ? help.FindTopicByHash(r.JumpHash) : -1;
                    if (target >= int(help.TopicCount())) std::abort();
                }
            qm::PlainText(topic);
            help.ContextName(i);
        }
    } catch (const qm::EDelphiHelpError& e) {
        if (e.Message() != expected) std::abort();
    }
    return 0;
}
