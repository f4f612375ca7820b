// quillmap2-cli: works on Pascal units and the class database without the window.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "parsecmd.h"

namespace {

int Usage() {
    std::cerr << "usage: quillmap2-cli COMMAND [ARGS]\n"
                 "commands:\n"
                 "  parse [--summary] [--list LISTFILE] FILE...   print the parser's events\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2) return Usage();
    std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    int status;
    if (command == "parse") status = qm::RunParseCommand(args, std::cout, std::cerr);
    else return Usage();
    std::cout.flush();
    return status;
}
