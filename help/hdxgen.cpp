// qm_hdxgen: writes a help keyword index (.HDX) from a keyword list file.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "errors.h"
#include "hdxwriter.h"
#include "paths.h"

namespace {

int Usage() {
    std::cerr << "usage: qm_hdxgen [--block-size KB] [--entries-per-block N]\n"
                 "                 [--help-file NAME]... KEYWORDLIST OUTPUT.HDX\n"
                 "KEYWORDLIST: one entry a line, KEYWORD<TAB>TOPIC[<TAB>TEXT[<TAB>FILE INDEX]];\n"
                 "help file names default to delphi.hlp\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc), files;
    qm::THdxLayout layout;
    layout.HelpFileNames.clear();
    try {
        for (size_t i = 0; i < args.size(); ++i) {
            bool hasValue = i + 1 < args.size();
            if (args[i] == "--block-size" && hasValue) layout.BlockSizeKB = std::stoi(args[++i]);
            else if (args[i] == "--entries-per-block" && hasValue)
                layout.EntriesPerBlock = std::stoul(args[++i]);
            else if (args[i] == "--help-file" && hasValue)
                layout.HelpFileNames.push_back(args[++i]);
            else if (args[i].rfind("--", 0) == 0) return Usage();
            else files.push_back(args[i]);
        }
    } catch (const std::logic_error&) {
        return Usage();
    }
    if (files.size() != 2) return Usage();
    if (layout.HelpFileNames.empty()) layout.HelpFileNames.push_back("delphi.hlp");
    try {
        std::string image = qm::BuildHdx(qm::ParseKeywordList(qm::ReadFileBytes(files[0])), layout);
        std::ofstream out(qm::ResolvePath(files[1]), std::ios::binary | std::ios::trunc);
        if (!out.write(image.data(), std::streamsize(image.size())) || !out.flush())
            throw qm::Exception("Cannot write file " + files[1]);
    } catch (const qm::Exception& e) {
        std::cerr << e.Message() << '\n';
        return 1;
    }
    return 0;
}
