// quillmap2-cli: works on Pascal units and the class database without the window.
#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "dbcmds.h"
#include "dblocation.h"
#include "hierarchycmd.h"
#include "helplookupcmd.h"
#include "helptopiccmd.h"
#include "installation.h"
#include "settings.h"
#include "parsecmd.h"

namespace {

int Usage() {
    std::cerr << "usage: quillmap2-cli [--db PATH] COMMAND [--db PATH] [ARGS]\n"
                 "commands:\n"
                 "  parse [--summary] [--list LISTFILE] FILE...   print the parser's events\n"
                 "        [--modern [--include-tree DIR]...]      in modern Object Pascal, include files also\n"
                 "                                                found anywhere under DIR\n"
                 "        [--target TARGET] [--define NAME]...    read for TARGET (delphi-win32, delphi-win64,\n"
                 "                                                fpc-linux64, fpc-win64) with NAME defined\n"
                 "  init [ROOT]                                   rebuild the database from the VCL of a Delphi\n"
                 "                                                installation (ROOT, else Delphi's entry)\n"
                 "  add FILE...                                   load units into the class database\n"
                 "      [--modern [--include-tree DIR]...]        in modern Object Pascal, include files also\n"
                 "                                                found anywhere under DIR\n"
                 "        [--target TARGET] [--define NAME]...    read for TARGET with NAME defined\n"
                 "      --recursive FILE-OR-FOLDER...             every unit under the folders, ancestors first:\n"
                 "                                                loaded, already there, without classes,\n"
                 "                                                skipped, failed, summary\n"
                 "      --follow FILE...                          the units and every unit they use, found\n"
                 "                                                along the library path\n"
                 "  add --project FILE [--config NAME]            a project (.dpr .lpr .lpi .lpk .dproj) and\n"
                 "      [--target TARGET] [--define NAME]...      everything its units use\n"
                 "  path [--add DIR | --remove DIR | --clear]     the library path, and the installed sources\n"
                 "  projects | remove-project PROJECT             the projects opened; remove one's units\n"
                 "  units                                         every unit: id, name, path\n"
                 "  classes [NAME] [--kind]                       classes: id, name, unit, line, ancestor[, kind]\n"
                 "  members CLASS [--no-KIND|--no-VISIBILITY]...  a class's members with inherited ones\n"
                 "      [--interfaces] [--helpers]                and the interfaces and helpers' members\n"
                 "  search NAME                                   every class that declares a member NAME\n"
                 "  lineinfo UNIT LINE                            the class and member around a line\n"
                 "  resolve UNIT LINE WORD                        where a double-click on WORD leads\n"
                 "  dependants UNIT                               the units that go when UNIT is removed\n"
                 "  remove [--force] UNIT                         remove UNIT with its dependants (--force for a\n"
                 "                                                unit of the VCL)\n"
                 "  remove-non-vcl                                remove every unit added after the VCL\n"
                 "  refresh [UNIT...]                             read again the units (all when none is named)\n"
                 "                                                whose files changed: re-read, gone, failed,\n"
                 "                                                summary\n"
                 "  descendants CLASS [--depth N]                 CLASS and every class below it: id, name\n"
                 "                                                indented two spaces a level, unit\n"
                 "  overrides CLASS.METHOD                        the classes below CLASS that declare METHOD:\n"
                 "                                                id, name, unit, line\n"
                 "  implementers INTERFACE [--direct]             the classes naming INTERFACE, each with its\n"
                 "                                                descendants: id, name indented, unit\n"
                 "  interfaces CLASS                              the interfaces of CLASS and its ancestors:\n"
                 "                                                level, class, interface, unit, GUID\n"
                 "  hierarchy CLASS --svg FILE | --pdf FILE       a picture of CLASS's ancestors and descendants\n"
                 "      [--implementers]                          with interfaces and their implementers\n"
                 "  help-lookup WORD [--index FILE]               find WORD in Delphi's help keyword index\n"
                 "  help-topic FILE TOPICID|#N                    a help file's topic as plain text\n"
                 "  help-topic FILE --list | --keywords           a help file's topics or keyword index\n"
                 "The database is PATH, or the user's class database.\n";
    return 2;
}

// Delphi's root folder, or empty when its entry cannot be read.
std::string RootDirOf(qm::TDelphiInstallation& Installation) {
    try {
        return Installation.RootDir();
    } catch (const qm::Exception&) {
        return {};
    }
}

// "--db PATH" may come before the command or right after it.
bool TakeDatabaseOption(std::vector<std::string>& Args, size_t At, std::string& DbPath) {
    while (Args.size() > At && Args[At] == "--db") {
        if (Args.size() < At + 2) return false;
        DbPath = Args[At + 1];
        Args.erase(Args.begin() + long(At), Args.begin() + long(At) + 2);
    }
    return true;
}

// The help index the window keeps in the settings; none when the settings cannot be read.
std::string StoredHelpIndex(qm::TSettingsStore& Settings) {
    try {
        return Settings.ReadSetting("DelphiHelpIndex", "");
    } catch (const qm::Exception&) {
        return {};
    }
}

// The command word: the first argument that is not a --db option.
std::string CommandOf(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string ignored;
    return TakeDatabaseOption(args, 0, ignored) && !args.empty() ? args[0] : std::string();
}

int Run(int argc, char** argv) {
    // The folder of the program, for the default database. Pictures are drawn with Qt's fonts,
    // which need a GUI application: one without a display.
    std::unique_ptr<QCoreApplication> app;
    if (CommandOf(argc, argv) == "hierarchy") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The settings are the window's: the same maker and application title.
    QCoreApplication::setOrganizationName(qm::OrganizationName);
    QCoreApplication::setApplicationName(qm::DefaultApplicationName);
    qm::TRegistrySettings settings;
    qm::TRegistryInstallation installation;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string dbPath;
    if (!TakeDatabaseOption(args, 0, dbPath) || args.empty()) return Usage();
    const std::string command = args[0];
    args.erase(args.begin());
    if (!TakeDatabaseOption(args, 0, dbPath)) return Usage();

    int status;
    if (command == "parse") status = qm::RunParseCommand(args, std::cout, std::cerr);
    else if (command == "help-lookup")
        status = qm::RunHelpLookupCommand(args, RootDirOf(installation), StoredHelpIndex(settings), std::cout, std::cerr);
    else if (command == "hierarchy")
        status = qm::RunHierarchyCommand(dbPath.empty() ? qm::ClassDatabasePath() : dbPath, args, std::cout, std::cerr);
    else if (command == "help-topic") status = qm::RunHelpTopicCommand(args, std::cout, std::cerr);
    else if (qm::IsDatabaseCommand(command))
        status = qm::RunDatabaseCommand(dbPath.empty() ? qm::ClassDatabasePath() : dbPath, command, args, std::cout,
                                        std::cerr, &settings, &installation);
    else return Usage();
    std::cout.flush();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // Every command reports its own errors; this is the last guard, so that nothing ends the
    // program without a message.
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "quillmap2-cli: " << e.what() << '\n';
        return 1;
    }
}
