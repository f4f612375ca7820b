// libFuzzer target: arbitrary bytes as the contents of a help keyword index file, loaded and
// searched for a few words and listed whole.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "delphihelp.h"
#include "hdxformat.h"

namespace {

class TNullViewer : public qm::THelpViewer {
public:
    void ShowContents(const std::string&) override {}
    bool JumpToTopic(const std::string&, const std::string&) override { return true; }
};

std::string IndexPath() {
    std::filesystem::path dir = std::filesystem::exists("/dev/shm")
                                    ? std::filesystem::path("/dev/shm")
                                    : std::filesystem::temp_directory_path();
    return (dir / ("qm_hdx_fuzz_" + std::to_string(getpid()) + ".hdx")).string();
}

void WriteFile(const std::string& Path, const uint8_t* Data, size_t Size) {
    std::FILE* f = std::fopen(Path.c_str(), "wb");
    if (!f || std::fwrite(Data, 1, Size, f) != Size) std::abort();
    std::fclose(f);
}

// Only the format's own message may come out of a damaged file.
void CheckHelpError(const qm::EDelphiHelpError& E) {
    if (E.Message() != "Invalid HDX contents") std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const std::string path = IndexPath();
    static const bool removeAtExit = std::atexit([] { std::remove(path.c_str()); }) == 0;
    (void)removeAtExit;
    WriteFile(path, Data, Size);

    TNullViewer viewer;
    qm::TDelphiHelp help("", viewer);
    help.SetIndexFile(path);
    help.SetHelpDir("/nonexistent/");
    for (const char* word : {"", "A", "capt", "M", "Caption", "zzzz"}) {
        try {
            help.Lookup(word);
            if (!help.LastTopic().empty() && !qm::StartsText(help.LastTopic(), word))
                std::abort();
            if (help.Shown() && help.LastTopic().empty()) std::abort();
        } catch (const qm::EDelphiHelpError& e) {
            CheckHelpError(e);
        } catch (const qm::EListIndexError&) {
        } catch (const qm::EStreamError&) {
        }
        if (!help.Loaded()) return 0;  // the header is damaged: every word fails alike
    }
    try {
        help.Keywords();
    } catch (const qm::EDelphiHelpError& e) {
        CheckHelpError(e);
    } catch (const qm::EStreamError&) {
    }
    return 0;
}
