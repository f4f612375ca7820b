// quillmap2-cli as a user runs it: real processes with their settings and data folders in a
// temporary directory, a full disk through a file size limit, two programs writing one
// database at once, damaged settings.
#include "scratchdir.h"
#include <gtest/gtest.h>

#include <SQLiteCpp/Database.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "dbopen.h"
#include "vcldb1.h"

namespace fs = std::filesystem;

namespace qm {

namespace {

struct TResult {
    int Status = -1;  // the exit status; 128 + the signal when a signal ended the process
    std::string Out, Err;
};

class CliProcess : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ScratchDirName("qm_cliprocess_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Dir);
        for (const char* sub : {"home", "config", "data", "system"}) fs::create_directories(Dir / sub);
        Db = (Dir / "q.db").string();
    }
    void TearDown() override {
        umount2((Dir / "small").c_str(), MNT_DETACH);  // left mounted by a failed case
        fs::remove_all(Dir);
    }

    // Starts the program; FileSizeLimit > 0 makes every file it writes stop at that size, as on
    // a full disk.
    pid_t Start(const std::vector<std::string>& Args, rlim_t FileSizeLimit = 0) {
        const int n = ++Runs;
        const std::string out = (Dir / ("out" + std::to_string(n))).string();
        const std::string err = (Dir / ("err" + std::to_string(n))).string();
        pid_t pid = fork();
        if (pid != 0) {
            Outputs[pid] = {out, err};
            return pid;
        }
        setenv("HOME", (Dir / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (Dir / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (Dir / "data").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (Dir / "system").c_str(), 1);
        int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(o, 1);
        dup2(e, 2);
        if (FileSizeLimit > 0) {
            signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
            rlimit limit{FileSizeLimit, FileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        // QM_CLI_UNDER_TEST runs another build of the program, an older one for instance.
        const char* program = getenv("QM_CLI_UNDER_TEST") ? getenv("QM_CLI_UNDER_TEST") : QM_CLI_PATH;
        std::vector<char*> argv{const_cast<char*>(program)};
        for (const std::string& a : Args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program, argv.data());
        _exit(127);
    }
    TResult Wait(pid_t Pid) {
        int status = 0;
        waitpid(Pid, &status, 0);
        TResult r;
        r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        r.Out = Slurp(Outputs[Pid].first);
        r.Err = Slurp(Outputs[Pid].second);
        return r;
    }
    TResult Run(const std::vector<std::string>& Args, rlim_t FileSizeLimit = 0) { return Wait(Start(Args, FileSizeLimit)); }

    static std::string Slurp(const std::string& Path) {
        std::ifstream in(Path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::string Unit(const std::string& Name) { return QM_TESTDATA_DIR "/classdb/" + Name; }
    std::string UnitPaths() {
        SQLite::Database db(Db, SQLite::OPEN_READONLY);
        return db.execAndGet("select ifnull(group_concat(Path, ';'), '') from (select Path from UNITS order by ID)").getString();
    }
    // A unit in the test's folder declaring one class derived from TObject.
    std::string WriteUnit(const std::string& FileName, const std::string& ClassName) {
        std::string path = (Dir / FileName).string();
        std::ofstream(path) << "unit U;\ntype\n  " << ClassName << " = class(TObject)\n    F: Integer;\n  end;\nend.\n";
        return path;
    }
    std::string SmallUnit(const std::string& Name) { return WriteUnit(Name + ".pas", "T" + Name); }
    // Fills the file system of File up to Room bytes.
    static void Fill(const fs::path& File, size_t Room) {
        {
            std::ofstream filler(File, std::ios::binary);
            const std::string block(4096, 'x');
            while (filler.write(block.data(), long(block.size()))) {
            }
        }
        const auto size = fs::file_size(File);
        fs::resize_file(File, size > Room ? size - Room : 0);
    }
    fs::path SettingsFile() const { return Dir / "config" / "Brindlewood" / "Quillmap 2.conf"; }
    void WriteSettings(const std::string& Text) {
        fs::create_directories(SettingsFile().parent_path());
        std::ofstream(SettingsFile()) << Text;
    }

    fs::path Dir;
    std::string Db;
    int Runs = 0;
    std::map<pid_t, std::pair<std::string, std::string>> Outputs;
};

}  // namespace

// A commit that the disk refuses is an error that names the database; nothing stored before is
// lost and nothing is reported as stored. The disk is full for a file size limit (the engine
// then speaks of an I/O error) and, where the test may mount one, on a small full tmpfs.
TEST_F(CliProcess, AFullDiskIsReportedAndLosesNothing) {
    auto expectNothingLost = [&](rlim_t Limit, const std::string& Message) {
        ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas"), Unit("Classes.pas")}).Status, 0);
        const std::string before = UnitPaths();
        if (Limit == 0) Fill(fs::path(Db).parent_path() / "filler", 40 * 1024);
        TResult add = Run({"--db", Db, "add", Unit("Controls.pas"), Unit("Forms.pas"), Unit("UserA.pas")}, Limit);
        EXPECT_EQ(add.Status, 1);
        EXPECT_EQ(add.Out, "");
        EXPECT_EQ(add.Err, fs::canonical(Db).string() + ": " + Message + "\n");
        EXPECT_EQ(UnitPaths(), before);

        TResult init = Run({"--db", Db, "init", QM_SOURCE_DIR "/samples/delphi2"}, Limit);
        EXPECT_EQ(init.Status, 1);
        EXPECT_EQ(init.Out, "");
        EXPECT_EQ(init.Err, fs::canonical(Db).string() + ": " + Message + "\n");
        EXPECT_EQ(UnitPaths(), before);
        if (Limit == 0) fs::remove(fs::path(Db).parent_path() / "filler");
        EXPECT_EQ(Run({"--db", Db, "add", Unit("Controls.pas")}).Status, 0);  // and the file is sound
    };
    // Room for the engine's shared memory, not for a commit.
    expectNothingLost(40 * 1024, "disk I/O error");

    const fs::path small = Dir / "small";
    fs::create_directories(small);
    if (geteuid() != 0 || mount("tmpfs", small.c_str(), "tmpfs", 0, "size=2m") != 0) GTEST_SKIP() << "no tmpfs";
    Db = (small / "q.db").string();
    expectNothingLost(0, "database or disk is full");
    umount2(small.c_str(), MNT_DETACH);
}

// Two programs add units to one database at the same time: the later one waits for the earlier
// one's commit, both succeed, and every unit is stored.
TEST_F(CliProcess, TwoWritersOnOneDatabaseBothSucceed) {
    ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas")}).Status, 0);
    int expected = 1;
    for (int round = 0; round < 6; ++round) {
        std::vector<std::string> a{"--db", Db, "add"}, b{"--db", Db, "add"};
        for (int i = 0; i < 25; ++i) {
            a.push_back(SmallUnit("A" + std::to_string(round) + "x" + std::to_string(i)));
            b.push_back(SmallUnit("B" + std::to_string(round) + "x" + std::to_string(i)));
        }
        pid_t first = Start(a), second = Start(b);
        TResult ra = Wait(first), rb = Wait(second);
        EXPECT_EQ(ra.Status, 0) << ra.Err;
        EXPECT_EQ(rb.Status, 0) << rb.Err;
        expected += 50;
    }
    SQLite::Database db(Db, SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("select count(*) from UNITS").getInt(), expected);
    EXPECT_EQ(db.execAndGet("select count(*) from MV").getInt(), expected - 1 + 3);  // System's own 3 members
}

// The window keeps cached answers; a unit another program adds or removes shows at its next call.
TEST_F(CliProcess, CachedAnswersFollowAnotherProgramsCommits) {
    TVCLDB window;
    window.OpenDatabase(Db);
    window.LoadUnit(Unit("System.pas"));
    EXPECT_EQ(window.ClassCountByName("TLate"), 0);
    const int object = window.ClassesIDByNameIndex("TObject", 0);
    EXPECT_EQ(window.GetClassName(object), "TObject");
    ASSERT_EQ(Run({"--db", Db, "add", SmallUnit("Late")}).Status, 0);
    EXPECT_EQ(window.ClassCountByName("TLate"), 1);
    TStringItems units;
    window.CollectDependants(window.UnitsIDByNameIndex("Late", 0), units);
    ASSERT_EQ(Run({"--db", Db, "remove", "Late"}).Status, 0);
    ASSERT_EQ(Run({"--db", Db, "add", SmallUnit("Later")}).Status, 0);
    EXPECT_EQ(window.ClassCountByName("TLate"), 0);
    // What was listed for removal before the other program's change is not removed blindly.
    EXPECT_THROW(window.DeleteDependants(), EVCLDBError);
    EXPECT_EQ(window.ClassCountByName("TLater"), 1);
    // Both write in turn without losing the other's units.
    window.LoadUnit(SmallUnit("Mine"));
    ASSERT_EQ(Run({"--db", Db, "add", SmallUnit("Theirs")}).Status, 0);
    EXPECT_EQ(UnitPaths(), Unit("System.pas") + ";" + (Dir / "Later.pas").string() + ";" + (Dir / "Mine.pas").string() +
                               ";" + (Dir / "Theirs.pas").string());
}

// Damaged settings fall back to their defaults; no settings problem ends the program.
TEST_F(CliProcess, DamagedSettingsAreIgnored) {
    ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas")}).Status, 0);
    for (const char* text : {"[%General]\nVCLSourcePath=a, b, c\n", "[%General]\nVCLSourcePath=@ByteArray(abc)\n",
                             "[%General]\nVCLSourcePath=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\0)\nDelphiHelpIndex=x, y\n"}) {
        SCOPED_TRACE(text);
        WriteSettings(text);
        TResult r = Run({"--db", Db, "classes"});
        EXPECT_EQ(r.Status, 0) << r.Err;
        EXPECT_EQ(r.Out, "1\tTObject\t1\t6\t0\n");
        EXPECT_EQ(Run({"help-lookup", "x"}).Status, 1);
    }
    fs::remove(SettingsFile());
    fs::create_directories(SettingsFile());  // a folder where the settings file belongs
    TResult r = Run({"--db", Db, "init", (Dir / "nowhere").string()});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err.substr(0, 24), "Unable to locate unit: /");
    EXPECT_EQ(Run({"--db", Db, "units"}).Status, 0);
}

// help-lookup and help-topic together answer what a double-click on a word shows: the entry's
// topic id, then that topic of the sample's help file.
TEST_F(CliProcess, HelpLookupAndHelpTopicShowTheTopicOfAWord) {
    const std::string sample = std::string(QM_SOURCE_DIR) + "/samples/delphi2/BIN/";
    TResult found = Run({"help-lookup", "TApplication", "--index", sample + "DELPHI.HDX"});
    ASSERT_EQ(found.Status, 0) << found.Err;
    std::istringstream fields(found.Out);  // keyword, topic id, help file, block
    std::string keyword, topicId;
    std::getline(std::getline(fields, keyword, '\t'), topicId, '\t');
    TResult topic = Run({"help-topic", sample + "DELPHI.HLP", topicId});
    ASSERT_EQ(topic.Status, 0) << topic.Err;
    EXPECT_EQ(topic.Out.substr(0, topic.Out.find('\n')), "TApplication class");
    EXPECT_NE(topic.Out.find("\nTApplication = class(TComponent)\n"), std::string::npos) << topic.Out;
    TResult missing = Run({"help-topic", sample + "DELPHI.HLP", "NoSuchTopic"});
    EXPECT_EQ(missing.Status, 3);
    EXPECT_EQ(missing.Err, "NoSuchTopic: no such topic in " + sample + "DELPHI.HLP\n");
    TResult damaged = Run({"help-topic", sample + "DELPHI.HDX", "TApplication"});
    EXPECT_EQ(damaged.Status, 1);
    EXPECT_EQ(damaged.Err, "Invalid help file " + sample + "DELPHI.HDX\n");
}

// Commands that only read leave the user's settings alone; init without ROOT asks Delphi's entry
// each time; a ROOT that fails is not stored.
TEST_F(CliProcess, SettingsAreWrittenOnlyForAnInitThatWorked) {
    ASSERT_EQ(Run({"--db", Db, "units"}).Status, 0);
    EXPECT_FALSE(fs::exists(SettingsFile()));
    ASSERT_EQ(Run({"--db", Db, "init", "/typo"}).Status, 1);
    EXPECT_FALSE(fs::exists(SettingsFile()));

    WriteSettings("[%General]\nVCLSourcePath=/old/SOURCE/\n");
    fs::create_directories(Dir / "system" / "Borland");
    std::ofstream(Dir / "system" / "Borland" / "Delphi.conf") << "[2.0]\nRootDir=" QM_SOURCE_DIR "/samples/delphi2\n";
    TResult init = Run({"--db", Db, "init"});
    EXPECT_EQ(init.Out, "49\t" QM_SOURCE_DIR "/samples/delphi2/SOURCE/\n") << init.Err;
    EXPECT_NE(Slurp(SettingsFile().string()).find("VCLSourcePath=" QM_SOURCE_DIR "/samples/delphi2/SOURCE/"),
              std::string::npos);
}

// Relative and differently spelled paths of one file are one unit, stored absolute and clean.
TEST_F(CliProcess, PathsAreStoredAbsoluteAndClean) {
    const std::string system = SmallUnit("Sys");
    std::ofstream(system) << "unit Sys;\ntype\n  TObject = class\n  end;\nend.\n";
    const std::string unit = SmallUnit("Long");
    const fs::path cwd = fs::current_path();
    fs::current_path(Dir);
    TResult r = Run({"--db", "q.db", "add", "Sys.pas", "Long.pas", "./Long.pas", "../" + Dir.filename().string() + "//Long.pas", unit});
    fs::current_path(cwd);
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "1\tSys\t" + system + "\n2\tLong\t" + unit + "\n");
    const std::string again = "The Unit \"" + unit + "\" has already been added\n";
    EXPECT_EQ(r.Err, again + again + again);
}

TEST_F(CliProcess, MessagesNameWhatFailed) {
    // --db after the command.
    ASSERT_EQ(Run({"add", "--db", Db, Unit("System.pas"), Unit("Classes.pas")}).Status, 0);
    EXPECT_EQ(Run({"units", "--db", Db}).Out.substr(0, 2), "2\t");
    // A unit of the VCL takes the library with it: only with --force.
    ASSERT_EQ(Run({"--db", Db, "init", QM_SOURCE_DIR "/samples/delphi2"}).Status, 0);
    TResult vcl = Run({"--db", Db, "remove", "Forms"});
    EXPECT_EQ(vcl.Status, 1);
    EXPECT_EQ(vcl.Err, "Forms is a unit of the VCL: removing it removes every unit derived from it. "
                       "Use remove --force Forms to remove it all the same\n");
    EXPECT_EQ(Run({"--db", Db, "remove", "--force", "Report"}).Status, 0);
    EXPECT_EQ(Run({"--db", Db, "remove", "nothing"}).Err, "no unit nothing\n");
    // A locked database is named, once.
    SQLite::Database locker(Db, SQLite::OPEN_READWRITE);
    locker.exec("BEGIN IMMEDIATE");
    TResult locked = Run({"--db", Db, "add", Unit("UserA.pas"), Unit("UserB.pas")});
    EXPECT_EQ(locked.Status, 1);
    EXPECT_EQ(locked.Err, fs::canonical(Db).string() + ": database is locked\n");
    locker.exec("ROLLBACK");
}

// A database of a newer version of the program: commands that read work and say what the file
// is; a command that would write fails naming the file, and the file stays exactly as it was.
TEST_F(CliProcess, ANewerVersionsDatabaseIsOnlyRead) {
    ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas")}).Status, 0);
    const int newer = ClassDatabaseSchemaVersion + 1;
    { SQLite::Database(Db, SQLite::OPEN_READWRITE).exec("PRAGMA user_version = " + std::to_string(newer)); }
    const std::string before = Slurp(Db);
    const std::string file = fs::canonical(Db).string();
    const std::string refused = file + " was made by a newer version of Quillmap 2 and cannot be changed by this version\n";
    for (const std::vector<std::string>& write :
         {std::vector<std::string>{"add", Unit("Classes.pas")}, {"init", QM_SOURCE_DIR "/samples/delphi2"}, {"remove", "System"}}) {
        SCOPED_TRACE(write[0]);
        std::vector<std::string> args{"--db", Db};
        args.insert(args.end(), write.begin(), write.end());
        TResult r = Run(args);
        EXPECT_EQ(r.Status, 1);
        EXPECT_EQ(r.Out, "");
        EXPECT_EQ(r.Err, refused);
    }
    TResult units = Run({"--db", Db, "units"});
    EXPECT_EQ(units.Status, 0);
    EXPECT_EQ(units.Out, "1\tSystem\t" + Unit("System.pas") + "\n");
    EXPECT_EQ(units.Err, file + " was made by a newer version of Quillmap 2 and is opened for reading only\n");
    EXPECT_EQ(Slurp(Db), before);
    EXPECT_EQ(SQLite::Database(Db).execAndGet("PRAGMA user_version").getInt(), newer);
}

// Where letter case tells files apart, CaseA.pas and casea.pas are two units, each stored with
// its own path; the same file is refused again however it is spelled.
TEST_F(CliProcess, FilesDifferingInLetterCaseAreTwoUnits) {
    ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas")}).Status, 0);
    const std::string upper = WriteUnit("CaseA.pas", "TUpper"), lower = WriteUnit("casea.pas", "TLower");
    TResult r = Run({"--db", Db, "add", upper});
    EXPECT_EQ(r.Out, "2\tCaseA\t" + upper + "\n");
    r = Run({"--db", Db, "add", lower});
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "3\tcasea\t" + lower + "\n");
    EXPECT_EQ(Run({"--db", Db, "classes", "TLower"}).Out, "3\tTLower\t3\t3\t1\n");
    r = Run({"--db", Db, "add", (Dir / "CASEA.PAS").string()});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err, "The Unit \"" + (Dir / "CASEA.PAS").string() + "\" has already been added\n");
    EXPECT_EQ(UnitPaths(), Unit("System.pas") + ";" + upper + ";" + lower);
}

// Control characters in a file name (and so in the unit's name) are escaped in every record, so
// that each record stays one line of TAB-separated fields. ("\" separates paths, so it cannot
// stand in a file name.)
TEST_F(CliProcess, RecordsStayOnOneLine) {
    ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas")}).Status, 0);
    const std::string odd = WriteUnit("new\nline\ttab\x1b.pas", "TOdd");
    const std::string escaped = (Dir / "new\\nline\\ttab\\x1B.pas").string();
    const std::string record = "2\tnew\\nline\\ttab\\x1B\t" + escaped + "\n";
    EXPECT_EQ(Run({"--db", Db, "add", odd}).Out, record);
    EXPECT_EQ(Run({"--db", Db, "units"}).Out, record + "1\tSystem\t" + Unit("System.pas") + "\n");
    EXPECT_EQ(Run({"--db", Db, "dependants", "2"}).Out, "2\t" + escaped + "\n");
    EXPECT_EQ(Run({"--db", Db, "search", "F"}).Out, "2\t.../" + Dir.filename().string() + "/new\\nline\\ttab\\x1B.TOdd.F\n");
    const std::string missing = (Dir / "gone\r.pas").string(), missingEscaped = (Dir / "gone\\r.pas").string();
    TResult parse = Run({"parse", odd, missing});
    EXPECT_EQ(parse.Status, 1);
    EXPECT_EQ(parse.Out, "file\t" + escaped + "\nclass\tTOdd\tTObject\t3\nfield\tF\t16\t4\nfile\t" + missingEscaped +
                             "\nerror\tCannot open file " + missingEscaped + "\n");
    EXPECT_EQ(Run({"--db", Db, "remove", "2"}).Out, "2\t" + escaped + "\n");
}

// A picture is written whole or not at all: a full disk (a device that takes nothing, a file size
// limit) is an error that names the file and keeps the picture written before; a file name with
// a line end stays inside its field of the record.
TEST_F(CliProcess, AHierarchyPictureIsWrittenWholeOrReportedAndRecordedOnOneLine) {
    ASSERT_EQ(Run({"--db", Db, "init", QM_SOURCE_DIR "/samples/delphi2"}).Status, 0);
    const std::string old = (Dir / "old.pdf").string();
    ASSERT_EQ(Run({"--db", Db, "hierarchy", "TObject", "--pdf", old}).Status, 0);
    const std::string before = Slurp(old);
    // Room for the database engine's shared memory, not for a picture of the whole library.
    const rlim_t room = 40 * 1024;
    ASSERT_GT(before.size(), room + 4096);
    const struct {
        std::string File, Format;
        rlim_t Limit;
        std::string Reason;
    } cases[] = {{"/dev/full", "--pdf", 0, "No space left on device"},
                 {"/dev/full", "--svg", 0, "No space left on device"},
                 {old, "--pdf", room, "File too large"},
                 {old, "--svg", room, "File too large"}};
    for (const auto& c : cases) {
        TResult r = Run({"--db", Db, "hierarchy", "TObject", c.Format, c.File}, c.Limit);
        EXPECT_EQ(r.Status, 1) << c.File << c.Format;
        EXPECT_EQ(r.Out, "");
        // (After whatever Qt says of the environment.)
        EXPECT_TRUE(r.Err.ends_with("\nCannot write " + c.File + ": " + c.Reason + "\n") ||
                    r.Err == "Cannot write " + c.File + ": " + c.Reason + "\n")
            << r.Err;
    }
    EXPECT_EQ(Slurp(old), before);
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(Dir))
        if (entry.is_regular_file() && entry.path().filename().string().rfind("old", 0) == 0) files.push_back(entry.path().string());
    EXPECT_EQ(files, std::vector<std::string>{old}) << "no temporary file left";

    const std::string odd = (Dir / "two\nlines\t.svg").string();
    TResult r = Run({"--db", Db, "hierarchy", "TObject", "--svg", odd});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out.find('\n'), r.Out.size() - 1) << "one record, one line: " << r.Out;
    EXPECT_TRUE(r.Out.ends_with("\t1\t" + (Dir / "two\\nlines\\t.svg").string() + "\n")) << r.Out;
}

// With --implementers the picture holds the interfaces beside the classes, each joined to the
// classes implementing it by dashed lines; without it, the tree alone, as before.
TEST_F(CliProcess, AHierarchyPictureWithImplementers) {
    const std::string unit = (Dir / "Kinds.pas").string();
    std::ofstream(unit) << "unit Kinds;\ninterface\ntype\n  IRead = interface end;\n  IWrite = interface end;\n"
                           "  TFile = class(TObject, IRead, IWrite) end;\n  TLog = class(TFile, IWrite) end;\n";
    ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas")}).Status, 0);
    ASSERT_EQ(Run({"--db", Db, "add", "--modern", unit}).Status, 0);
    const std::string svg = (Dir / "file.svg").string();
    TResult r = Run({"--db", Db, "hierarchy", "TFile", "--svg", svg, "--implementers"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "5\t1\t" + svg + "\n") << "TObject, TFile, TLog, IRead, IWrite";
    const std::string picture = Slurp(svg);
    auto count = [&](const std::string& What) {
        size_t n = 0;
        for (size_t at = picture.find(What); at != std::string::npos; at = picture.find(What, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("class=\"interface\""), 2u);
    EXPECT_EQ(count("class=\"implements\""), 3u) << "TFile to both, TLog to IWrite";
    ASSERT_EQ(Run({"--db", Db, "hierarchy", "TFile", "--svg", svg}).Out, "3\t1\t" + svg + "\n");
    EXPECT_EQ(Slurp(svg).find("class=\"implements\""), std::string::npos);
    EXPECT_EQ(Run({"--db", Db, "hierarchy", "TFile", "--implementers"}).Status, 2);
}

// A list file that is missing is a failed file, named, not a usage error.
TEST_F(CliProcess, AMissingListFileIsNamed) {
    const std::string missing = (Dir / "nonexistent").string();
    TResult r = Run({"parse", "--list", missing});
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err, "Cannot open file " + missing + "\n");
}

// A name too long for any lookup refuses its unit whole, with the line it stands on.
TEST_F(CliProcess, AnOverlongNameRefusesItsUnit) {
    ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas")}).Status, 0);
    const std::string big = WriteUnit("Big.pas", "T" + std::string(200'000, 'x'));
    const std::string error = "Internal Error: Identifier longer than 1024 characters - Line 3, U\n";
    TResult add = Run({"--db", Db, "add", big});
    EXPECT_EQ(add.Status, 1);
    EXPECT_EQ(add.Err, big + ": " + error);
    EXPECT_EQ(UnitPaths(), Unit("System.pas"));
    TResult parse = Run({"parse", big});
    EXPECT_EQ(parse.Status, 1);
    EXPECT_EQ(parse.Err, error);
}

// A unit cut off inside a comment stops neither a tree load nor a plain add: it is named with its
// reason, every other unit is stored, and the status says that something failed.
TEST_F(CliProcess, ABadUnitIsNamedAndTheLoadGoesOn) {
    fs::create_directories(Dir / "tree");
    const std::string a1 = WriteUnit("tree/A1.pas", "TA1"), c1 = WriteUnit("tree/C1.pas", "TC1");
    const std::string trunc = (Dir / "tree" / "Trunc.pas").string();
    std::ofstream(trunc, std::ios::binary) << "unit Trunc;\ninterface\n{ cut off";
    ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas")}).Status, 0);
    TResult tree = Run({"--db", Db, "add", "--modern", "--recursive", (Dir / "tree").string()});
    EXPECT_EQ(tree.Status, 1);
    EXPECT_EQ(tree.Out, "2\t0\t0\t0\t1\t2 units loaded, 1 did not load\n");
    EXPECT_EQ(tree.Err, trunc + ": Stream read error\n");
    EXPECT_EQ(UnitPaths(), Unit("System.pas") + ";" + a1 + ";" + c1);

    Db = (Dir / "plain.db").string();
    TResult plain = Run({"--db", Db, "add", Unit("System.pas"), a1, trunc, c1});
    EXPECT_EQ(plain.Status, 1);
    EXPECT_EQ(plain.Err, trunc + ": Stream read error\n");
    EXPECT_EQ(UnitPaths(), Unit("System.pas") + ";" + a1 + ";" + c1);
}

// A path that names nothing, or nothing that can be read, is an error naming it; a file given to
// --recursive is a unit to load; folders and files inside a tree that cannot be read are listed.
TEST_F(CliProcess, PathsThatCannotBeReadAreNamed) {
    ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas")}).Status, 0);
    const std::string missing = (Dir / "nowhere").string();
    TResult typo = Run({"--db", Db, "add", "--recursive", missing});
    EXPECT_EQ(typo.Status, 1);
    EXPECT_EQ(typo.Out, "0\t0\t0\t0\t1\t0 units loaded, 1 not read\n");
    EXPECT_EQ(typo.Err, missing + ": not read: No such file or directory\n");
    const std::string single = WriteUnit("Single.inc", "TSingle");
    TResult file = Run({"--db", Db, "add", "--recursive", single});
    EXPECT_EQ(file.Status, 0) << file.Err;
    EXPECT_EQ(file.Out, "1\t0\t0\t0\t0\t1 units loaded\n");

    if (geteuid() == 0) GTEST_SKIP() << "root reads every folder and file";
    fs::create_directories(Dir / "tree" / "locked");
    const std::string ok = WriteUnit("tree/Ok.pas", "TOk"), secret = WriteUnit("tree/Secret.pas", "TSecret");
    const std::string locked = (Dir / "tree" / "locked").string();
    fs::permissions(locked, fs::perms::none);
    fs::permissions(secret, fs::perms::none);
    TResult tree = Run({"--db", Db, "add", "--recursive", (Dir / "tree").string()});
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(tree.Status, 1);
    EXPECT_EQ(tree.Out, "1\t0\t0\t0\t2\t1 units loaded, 2 not read\n");
    EXPECT_EQ(tree.Err, secret + ": not read: Permission denied\n" + locked + ": not read: Permission denied\n");
    fs::permissions(locked, fs::perms::none);
    TResult folder = Run({"--db", Db, "add", "--recursive", locked});
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(folder.Status, 1);
    EXPECT_EQ(folder.Err, locked + ": not read: Permission denied\n");
}

// A file far larger than any Pascal source (sparse: it costs no disk) is refused by its size,
// before it is read; the rest of the tree loads.
TEST_F(CliProcess, AFileTooLargeToBeAUnitIsRefused) {
    fs::create_directories(Dir / "tree");
    const std::string a1 = WriteUnit("tree/A1.pas", "TA1"), huge = (Dir / "tree" / "Huge.pas").string();
    std::ofstream(huge) << "unit Huge;\n";
    fs::resize_file(huge, uintmax_t(30) << 30);
    ASSERT_EQ(Run({"--db", Db, "add", Unit("System.pas")}).Status, 0);
    const std::string refused = huge + " is too large (30720 MB) to be a Pascal unit\n";
    TResult tree = Run({"--db", Db, "add", "--recursive", (Dir / "tree").string()});
    EXPECT_EQ(tree.Status, 1);
    EXPECT_EQ(tree.Out, "1\t0\t0\t0\t1\t1 units loaded, 1 did not load\n");
    EXPECT_EQ(tree.Err, refused);
    TResult parse = Run({"parse", huge});
    EXPECT_EQ(parse.Status, 1);
    EXPECT_EQ(parse.Err, refused);
}

// A database of an older version on a disk that takes no more bytes: it cannot be brought up to
// date, yet it is read as it is, and a command that would write says so before it reads a unit.
TEST_F(CliProcess, AnOlderDatabaseThatCannotBeUpgradedIsRead) {
    {
        SQLite::Database db(Db, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("CREATE TABLE UNITS(ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL, Path TEXT NOT NULL);"
                "CREATE TABLE CLASSES(ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL, UnitID INTEGER NOT NULL,"
                " IntLN INTEGER NOT NULL, AncestorID INTEGER NOT NULL);"
                "CREATE TABLE MV(ClassID INTEGER NOT NULL, Name TEXT NOT NULL, Flags INTEGER NOT NULL, IntLN INTEGER "
                "NOT NULL, ImpLN INTEGER NOT NULL, UnitID INTEGER NOT NULL, UNIQUE(ClassID, Name));"
                "INSERT INTO UNITS(Name, Path) VALUES('System', '" + Unit("System.pas") + "');"
                "INSERT INTO CLASSES(Name, UnitID, IntLN, AncestorID) VALUES('TObject', 1, 3, 0);"
                "PRAGMA application_id = 1366110258; PRAGMA user_version = 2");
    }
    const std::string before = Slurp(Db);
    const rlim_t full = rlim_t(before.size());
    TResult classes = Run({"--db", Db, "classes"}, full);
    EXPECT_EQ(classes.Status, 0) << classes.Err;
    EXPECT_EQ(classes.Out, "1\tTObject\t1\t3\t0\n");
    const std::string file = fs::canonical(Db).string();
    EXPECT_EQ(classes.Err.substr(0, file.size()), file);
    fs::create_directories(Dir / "tree");
    WriteUnit("tree/A1.pas", "TA1");
    TResult add = Run({"--db", Db, "add", "--recursive", (Dir / "tree").string()}, full);
    EXPECT_EQ(add.Status, 1);
    EXPECT_EQ(add.Out, "");
    const std::string refused = file + " can only be read: ";
    EXPECT_EQ(add.Err.substr(0, refused.size()), refused) << add.Err;
    EXPECT_EQ(Slurp(Db), before);
}

}  // namespace qm

namespace qm {

// A refresh beside an add: both go through whole. A refresh killed part-way leaves every unit
// whole, old or new, and the next refresh finishes the work.
TEST_F(CliProcess, ARefreshBesideAnAddOrKilledLeavesEveryUnitWhole) {
    auto write = [&](int I, int Fields) {
        std::string body;
        for (int f = 0; f < Fields; ++f) body += "    F" + std::to_string(f) + ": Integer;\n";
        std::ofstream(Dir / ("R" + std::to_string(I) + ".pas")) << "unit R" << I << ";\ntype\n  TR" << I
                                                                 << " = class(TObject)\n" << body << "  end;\nend.\n";
        return (Dir / ("R" + std::to_string(I) + ".pas")).string();
    };
    std::vector<std::string> add{"--db", Db, "add", Unit("System.pas")};
    for (int i = 0; i < 40; ++i) add.push_back(write(i, 1));
    ASSERT_EQ(Run(add).Status, 0);
    // Per unit: its classes and members; a unit half re-read would show other counts.
    auto shapes = [&] {
        SQLite::Database db(Db, SQLite::OPEN_READONLY);
        SQLite::Statement s(db, "select U.Name, count(distinct C.ID), count(M.Name) from UNITS U join CLASSES C on C.UnitID = U.ID "
                                "left join MV M on M.ClassID = C.ID where U.Name like 'R%' group by U.ID order by U.ID");
        std::map<std::string, int> members;
        while (s.executeStep()) {
            EXPECT_EQ(s.getColumn(1).getInt(), 1) << s.getColumn(0).getString();
            members[s.getColumn(0).getString()] = s.getColumn(2).getInt();
        }
        return members;
    };

    for (int i = 0; i < 40; ++i) write(i, 2);
    std::vector<std::string> more{"--db", Db, "add"};
    for (int i = 0; i < 25; ++i) more.push_back(SmallUnit("M" + std::to_string(i)));
    const pid_t refresh = Start({"--db", Db, "refresh"}), adding = Start(more);
    const TResult r = Wait(refresh), a = Wait(adding);
    EXPECT_EQ(a.Status, 0) << a.Err;
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_NE(r.Out.find("\t40\t0\t0\t"), std::string::npos) << r.Out;
    for (const auto& [unit, count] : shapes()) EXPECT_EQ(count, 2) << unit;
    SQLite::Database db(Db, SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("select count(*) from UNITS").getInt(), 1 + 40 + 25);

    for (int i = 0; i < 40; ++i) write(i, 3);
    const pid_t killed = Start({"--db", Db, "refresh"});
    usleep(20000);
    kill(killed, SIGKILL);
    Wait(killed);
    for (const auto& [unit, count] : shapes()) EXPECT_TRUE(count == 2 || count == 3) << unit << " " << count;
    EXPECT_EQ(Run({"--db", Db, "refresh"}).Status, 0);
    for (const auto& [unit, count] : shapes()) EXPECT_EQ(count, 3) << unit;
    EXPECT_EQ(db.execAndGet("select count(*) from UNITS").getInt(), 1 + 40 + 25);
}

}  // namespace qm
