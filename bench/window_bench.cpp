// The window's figures, offscreen: start to TApplication shown and to the first painted text,
// ShowUnit of a 1 MB unit and the
// heap its first show takes, filling and sorting a 500-row Class Info list, filling the largest
// class of the sample, one idle status refresh, a double-click resolved up a 10-level chain into
// a 1 MB unit, a class.member search filling a 20-entry dialog, an edit of a 3,000-line unit
// saved by an editor to its new text shown, and the Initialize command on each installation given. With --session=ROUNDS it runs only a long session instead (every
// unit of the sample shown, Class Info of the largest classes, Back, a 1 MB unit read again,
// ROUNDS times) and prints the process's peak memory.
// With --library-db=FILE (a large library's class database, e.g. the LCL that scripts/bench.sh
// tree builds) it also fills TForm's Class Info there, shows TObject's descendants, starts on it,
// and the session browses that library.
// With --add-folder=TREE --cli=TOOL it only loads the folder TREE in modern Object Pascal into a
// copy of the sample's database, in turns through the window's Add Folder command and with the
// command-line tool's add --modern --recursive, and prints both times.
//   window_bench --sample=DIR [--vcl-root=DIR]... [--library-db=FILE] [--session=ROUNDS] [Google Benchmark flags]
//   window_bench --sample=DIR --add-folder=TREE --cli=TOOL [--rounds=N]
// DIR is a Delphi installation (samples/delphi2); the benchmark works in a temporary folder.
// Dialogs and questions are answered at once with OK and Yes.
#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QComboBox>
#include <QTest>
#include <algorithm>
#include <malloc.h>
#include <sys/resource.h>
#include <vector>
#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "application.h"
#include "appwindows.h"
#include "cfgdlg1.h"
#include "classlist.h"
#include "dblocation.h"
#include "classinfopage.h"
#include "descendantsmodel.h"
#include "descendantspage.h"
#include "main1.h"
#include "sourcewatcher.h"
#include "unitparser.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "xre.h"

namespace {

std::string SampleRoot, WorkDir, SampleDb;
std::string LibraryDb;  // --library-db: a copy of a large library's database (the LCL and Free Pascal)

// Every question answered Yes, every dialog OK, no file chosen.
class TAnswerAll : public qm::TUserPrompts {
public:
    void ShowError(const QString& Text) override {
        if (Text != LastError) std::cerr << "reported: " << Text.toStdString() << "\n";
        LastError = Text;
    }
    QString LastError;
    void ShowMessage(const QString&) override {}
    void ShowInformation(const QString&) override {}
    bool Confirm(const QString&) override { return true; }
    QString OpenFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFolder(QWidget*, const QString&) override { return Folder; }
    QString Folder;  // the answer to Add Folder's question
    void Beep() override {}
    int RunModal(QDialog&) override { return QDialog::Accepted; }
} AnswerAll;

// Lets the event loop run until it has waited once.
void Settle() {
    QEventLoop Loop;
    QTimer::singleShot(1, &Loop, &QEventLoop::quit);
    Loop.exec();
}

// A unit of about Kilobytes KB: one class of Members methods deriving from TComponent, and bodies.
std::string WriteUnit(const std::string& Name, int Members, int Kilobytes) {
    const std::string Path = WorkDir + "/" + Name + ".pas";
    std::ofstream Out(Path);
    Out << "unit " << Name << ";\ninterface\nuses Classes;\ntype\n  T" << Name << " = class(TComponent)\n  public\n";
    for (int i = 0; i < Members; ++i) Out << "    procedure Step" << i << "(Value: Integer);\n";
    Out << "  end;\nimplementation\n";
    size_t Size = static_cast<size_t>(Out.tellp());
    for (int i = 0; i < Members; ++i) {
        Out << "procedure T" << Name << ".Step" << i << "(Value: Integer);\nbegin\n";
        const size_t Target = static_cast<size_t>(Kilobytes) * 1024 * static_cast<size_t>(i + 1) / static_cast<size_t>(Members);
        while (Size < Target) {
            const std::string Line = "  if Value > " + std::to_string(Size % 977) + " then Tag := Value - 1;\n";
            Out << Line;
            Size += Line.size();
        }
        Out << "end;\n\n";
        Size += 20;
    }
    Out << "end.\n";
    return Path;
}

std::unique_ptr<qm::TNavigatorProgram> StartWindow(const std::string& Database = SampleDb) {
    auto Program = std::make_unique<qm::TNavigatorProgram>(Database, false);
    Program->Windows().ClassNav->show();
    while (Program->Windows().ClassNav->ClassInfo().ClassName() != "TApplication") Settle();
    return Program;
}

// Paint events of the source view's viewport that drew a text, counted.
class TPaintedText : public QObject {
public:
    explicit TPaintedText(qm::TXRichEdit& View) : FView(View) { View.viewport()->installEventFilter(this); }
    bool Painted = false;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        // The filter runs before the paint: the text it will draw is there already.
        if (Event->type() == QEvent::Paint && FView.Lines().Size() > 0) Painted = true;
        return QObject::eventFilter(Watched, Event);
    }

private:
    qm::TXRichEdit& FView;
};

// From the program's start to the first paint of the source view that draws a unit's text.
void StartToFirstPaintedText(benchmark::State& State, const std::string* Database) {
    for (auto _ : State) {
        auto Program = std::make_unique<qm::TNavigatorProgram>(*Database, false);
        TPaintedText Painted(*Program->Windows().ClassNav->Memo());
        Program->Windows().ClassNav->show();
        while (!Painted.Painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        State.PauseTiming();
        Program->Windows().ClassNav->close();
        Program.reset();
        State.ResumeTiming();
    }
}

void StartToTApplication(benchmark::State& State) {
    for (auto _ : State) {
        auto Program = StartWindow();
        State.PauseTiming();
        Program->Windows().ClassNav->close();
        Program.reset();
        State.ResumeTiming();
    }
}

// A file whose modification time moved on is read again: the first show of a unit.
void Touch(const std::string& Path) {
    std::filesystem::last_write_time(Path, std::filesystem::last_write_time(Path) + std::chrono::seconds(1));
}

// FirstTime: the unit's file is read and laid out; otherwise its text is still kept from before.
void ShowUnitOf1MB(benchmark::State& State, bool FirstTime) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    static int Big = 0;
    if (!Big) Big = Db.LoadUnit(WriteUnit("Big", 200, 1024));
    const int Forms = Db.CurrentUnitID;
    // The heap the first show of the unit takes in this window, its text included.
    Touch(Db.GetUnitPath(Big));
    const size_t Before = mallinfo2().uordblks;
    W.ShowUnit(Big, 20000, false);
    W.Memo()->repaint();
    State.counters["heap_MB"] = static_cast<double>(mallinfo2().uordblks - Before) / 1e6;
    State.counters["text_MB"] = static_cast<double>(W.Memo()->Lines().Size()) * sizeof(QChar) / 1e6;
    W.ShowUnit(Forms, 0, false);
    for (auto _ : State) {
        if (FirstTime) {
            State.PauseTiming();
            Touch(Db.GetUnitPath(Big));
            State.ResumeTiming();
        }
        W.ShowUnit(Big, 20000, false);
        W.Memo()->repaint();
        State.PauseTiming();
        W.ShowUnit(Forms, 0, false);
        W.Memo()->repaint();
        State.ResumeTiming();
    }
    Program->Windows().ClassNav->close();
}

// The first show of the 1 MB unit, sixteen times, each timed: the slowest and the median.
void FirstShowOf1MBSixteenTimes(benchmark::State& State) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    const int Big = Db.LoadUnit(WriteUnit("Big16", 200, 1024));
    const int Forms = Db.CurrentUnitID;
    std::vector<double> Times;
    for (auto _ : State) {
        State.PauseTiming();
        Touch(Db.GetUnitPath(Big));
        W.ShowUnit(Forms, 0, false);
        W.Memo()->repaint();
        State.ResumeTiming();
        const auto Start = std::chrono::steady_clock::now();
        W.ShowUnit(Big, 20000, false);
        W.Memo()->repaint();
        Times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count());
    }
    std::sort(Times.begin(), Times.end());
    State.counters["max_ms"] = Times.back();
    State.counters["median_ms"] = Times[Times.size() / 2];
    Program->Windows().ClassNav->close();
}

void FillAndSort500Rows(benchmark::State& State) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    static int Wide = 0;
    if (!Wide) {
        Db.LoadUnit(WriteUnit("Wide", 470, 64));
        Wide = Db.ClassesIDByNameIndex("TWide", 0);
    }
    W.SelectPage(W.ClassInfoTabSheet());
    for (auto _ : State) {
        W.FillClassList(Wide);
        W.ClassListViewColumnClick(0);
        W.ClassListView()->repaint();
    }
    State.counters["rows"] = W.ClassInfo().Model().rowCount();
    Program->Windows().ClassNav->close();
}

// The ids that Exists holds, counted up from 1 until a hundred in a row are missing.
std::vector<int> ExistingIDs(const std::function<bool(int)>& Exists) {
    std::vector<int> IDs;
    for (int ID = 1, Misses = 0; Misses < 100; ++ID) {
        if (Exists(ID)) {
            IDs.push_back(ID);
            Misses = 0;
        } else {
            ++Misses;
        }
    }
    return IDs;
}

// The class of the sample with the most Class Info rows, inherited members included; the units
// that other benchmarks add do not count.
int LargestClass(qm::TClassNav& W, qm::TVCLDB& Db) {
    int Largest = 0, Rows = -1;
    for (int ID : ExistingIDs([&Db](int ID) { return Db.ClassExists(ID); })) {
        if (Db.GetUnitPath(Db.GetClassUnitID(ID)).rfind(SampleRoot, 0) != 0) continue;
        W.FillClassList(ID);
        if (W.ClassInfo().Model().rowCount() > Rows) {
            Rows = W.ClassInfo().Model().rowCount();
            Largest = ID;
        }
    }
    return Largest;
}

void ClassInfoOfTheLargestClass(benchmark::State& State) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    W.SelectPage(W.ClassInfoTabSheet());
    const int Largest = LargestClass(W, Db);
    for (auto _ : State) {
        W.FillClassList(Largest);
        W.ClassListView()->repaint();
    }
    State.SetLabel(Db.GetClassName(Largest));
    State.counters["rows"] = W.ClassInfo().Model().rowCount();
    Program->Windows().ClassNav->close();
}

// One round of browsing: every unit shown at a few lines, Back, and the Class Info of Classes
// (those the database holds).
void BrowseRound(qm::TClassNav& W, qm::TVCLDB& Db, const std::vector<int>& Units,
                 const std::vector<std::string>& Classes) {
    W.SelectPage(W.SourceTabSheet());
    for (int Unit : Units)
        for (int Line : {0, 400, 2000}) {
            W.ShowUnit(Unit, Line, true);
            W.Memo()->repaint();
        }
    for (int i = 0; i < 5; ++i) W.BackItemClick();
    W.SelectPage(W.ClassInfoTabSheet());
    for (const std::string& Name : Classes) {
        if (Db.ClassCountByName(Name) == 0) continue;
        W.FillClassList(Db.ClassesIDByNameIndex(Name, 0));
        W.ClassListView()->repaint();
    }
}

// The process's peak memory, in MB.
long PeakMemoryMB() {
    rusage Usage{};
    getrusage(RUSAGE_SELF, &Usage);
    return Usage.ru_maxrss / 1024;
}

// Rounds of browsing the sample, each also reading a 1 MB unit whose file changed again. Prints
// the peak memory.
void LongSession(int Rounds) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    const int Big = Db.LoadUnit(WriteUnit("SessionBig", 200, 1024));
    const std::vector<int> Units = ExistingIDs([&Db](int ID) { return Db.UnitExists(ID); });
    for (int Round = 0; Round < Rounds; ++Round) {
        BrowseRound(W, Db, Units, {"TForm", "TApplication", "TStringGrid", "TDBGrid", "TButton", "TMemo"});
        W.SelectPage(W.SourceTabSheet());
        Touch(Db.GetUnitPath(Big));
        W.ShowUnit(Big, 20000, true);
        W.Memo()->repaint();
        Settle();
    }
    std::cout << "long session, " << Rounds << " rounds of " << Units.size() + 1
              << " units shown, Back, Class Info and a 1 MB unit read again: peak memory " << PeakMemoryMB() << " MB\n";
    Program->Windows().ClassNav->close();
}

// TForm's Class Info on the large library: every level down to TObject filled and painted.
void ClassInfoOfTFormInTheLibrary(benchmark::State& State) {
    auto Program = StartWindow(LibraryDb);
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    W.SelectPage(W.ClassInfoTabSheet());
    const int Form = Db.ClassesIDByNameIndex("TForm", 0);
    for (auto _ : State) {
        W.FillClassList(Form);
        W.ClassListView()->repaint();
    }
    State.counters["rows"] = W.ClassInfo().Model().rowCount();
    Program->Windows().ClassNav->close();
}

// Rounds of browsing the large library: every unit and the Class Info of its biggest classes.
// Prints the peak memory.
void LibrarySession(int Rounds) {
    auto Program = StartWindow(LibraryDb);
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    const std::vector<int> Units = ExistingIDs([&Db](int ID) { return Db.UnitExists(ID); });
    for (int Round = 0; Round < Rounds; ++Round) {
        BrowseRound(W, Db, Units, {"TForm", "TControl", "TWinControl", "TCustomGrid", "TStringGrid", "TListView"});
        Settle();
    }
    std::cout << "library session, " << Rounds << " rounds of " << Units.size()
              << " units shown, Back and Class Info: peak memory " << PeakMemoryMB() << " MB\n";
    Program->Windows().ClassNav->close();
}

// The Descendants page of TObject: every class of the sample, queried, ordered and put in the
// tree, the top level open and painted. Of IInterface: the interfaces derived from it, and under
// "Implemented by" the classes implementing it with their descendants.
void DescendantsPage(benchmark::State& State, const std::string* Database, const char* Class) {
    auto Program = StartWindow(*Database);
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    W.SelectPage(W.DescendantsTabSheet());
    W.FillClassList(Db.ClassesIDByNameIndex(Class, 0));
    for (auto _ : State) {
        W.Descendants().Invalidate();
        W.Descendants().View().repaint();
    }
    State.counters["rows"] = double(W.Descendants().Model().Tree().size());
    Program->Windows().ClassNav->close();
}

std::string SampleCopy(const std::string& Name);

// The sample with a modern unit of interfaces: IInterface, 40 interfaces derived from it (half of
// them two deep), and 200 classes derived from the sample's TComponent, each implementing IInterface
// and one of the others, with two descendants each.
std::string SampleWithInterfaces() {
    const std::string Db = SampleCopy("interfaces.db");
    const std::string Unit = WorkDir + "/Intfs.pas";
    {
        std::ofstream Text(Unit, std::ios::binary);
        Text << "unit Intfs;\ninterface\nuses Classes;\ntype\n  IInterface = interface\n"
                "    ['{00000000-0000-0000-C000-000000000046}']\n    function _AddRef: Integer;\n"
                "    function _Release: Integer;\n  end;\n";
        for (int i = 0; i < 40; ++i)
            Text << "  IPart" << i << " = interface(" << (i % 2 ? "IPart" + std::to_string(i - 1) : std::string("IInterface"))
                 << ")\n    procedure Run" << i << ";\n  end;\n";
        for (int i = 0; i < 200; ++i) {
            Text << "  TImpl" << i << " = class(TComponent, IInterface, IPart" << i % 40 << ")\n    function _AddRef: Integer;\n"
                 << "    function _Release: Integer;\n    procedure Run" << i % 40 << ";\n  end;\n";
            for (int k = 0; k < 2; ++k) Text << "  TImpl" << i << "Sub" << k << " = class(TImpl" << i << ")\n  end;\n";
        }
        Text << "implementation\nend.\n";
    }
    qm::TVCLDB Sample;
    Sample.OpenDatabase(Db);
    qm::TVCLDB::TUseDialect Modern(Sample, qm::TDialect::Modern);
    Sample.LoadUnit(Unit);
    return Db;
}

void IdleStatusRefresh(benchmark::State& State) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    for (auto _ : State) W.AppIdle();
    Program->Windows().ClassNav->close();
}

// Ten classes, each deriving from the one before it, down from TLevel0 of a 1 MB unit; the last
// one's method calls TLevel0's Step0.
struct TChain {
    int Leaf = 0;      // the unit whose method body uses Target
    int UseLine = 0;   // 0-based line of that use
};

TChain WriteChain(qm::TVCLDB& Db) {
    TChain Chain;
    Db.LoadUnit(WriteUnit("Level0", 200, 1024));
    std::string Previous = "Level0";
    for (int i = 1; i <= 10; ++i) {
        const std::string Name = "Level" + std::to_string(i);
        std::ofstream Out(WorkDir + "/" + Name + ".pas");
        Out << "unit " << Name << ";\ninterface\nuses Classes, " << Previous << ";\ntype\n  T" << Name
            << " = class(T" << Previous << ")\n  public\n    procedure Use" << i << ";\n  end;\n"
            << "implementation\nprocedure T" << Name << ".Use" << i << ";\nbegin\n  Step0(Tag);\nend;\nend.\n";
        Out.close();
        const int Unit = Db.LoadUnit(WorkDir + "/" + Name + ".pas");
        Previous = Name;
        Chain.Leaf = Unit;
        Chain.UseLine = 11;
    }
    return Chain;
}

void DoubleClickUpTenLevels(benchmark::State& State, bool FirstTime) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    static TChain Chain;
    if (!Chain.Leaf) Chain = WriteChain(Db);
    uint32_t Now = 1000000;
    qm::SetTickSource([&Now] { return Now; });
    for (auto _ : State) {
        State.PauseTiming();
        W.ShowUnit(Chain.Leaf, Chain.UseLine, false);
        W.Memo()->repaint();
        const int At = W.Memo()->LineIndex(Chain.UseLine) +
                       static_cast<int>(W.Memo()->Lines().Line(Chain.UseLine).indexOf(u"Step0")) + 1;
        const QPoint Where = W.Memo()->CursorRect(At).center();
        Now += 1000;
        if (FirstTime) Touch(WorkDir + "/Level0.pas");
        State.ResumeTiming();
        QTest::mouseDClick(W.Memo()->viewport(), Qt::LeftButton, {}, Where);
        W.Memo()->repaint();
    }
    if (Db.GetUnitName(Db.CurrentUnitID) != "Level0") State.SkipWithError("the double-click did not reach Level0");
    qm::SetTickSource({});
    Program->Windows().ClassNav->close();
}

// Twenty units each declaring a class TTwin with the method Shared: "TTwin.Shared" lists 20.
void ClassMemberSearch20(benchmark::State& State) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    static bool Written = false;
    if (!Written) {
        Written = true;
        for (int i = 0; i < 20; ++i) {
            const std::string Name = "Twin" + std::to_string(i);
            std::ofstream(WorkDir + "/" + Name + ".pas")
                << "unit " << Name << ";\ninterface\nuses Classes;\ntype\n  TTwin = class(TComponent)\n  public\n"
                << "    procedure Shared;\n  end;\nimplementation\nprocedure TTwin.Shared;\nbegin\nend;\nend.\n";
            Db.LoadUnit(WorkDir + "/" + Name + ".pas");
        }
    }
    W.SelectPage(W.ClassInfoTabSheet());  // the source view stays; the search itself is measured
    W.ClassesCB()->setEditText("TTwin.Shared");
    for (auto _ : State) W.ClassSearch();
    Program->Windows().ClassNav->close();
}

// A copy of the sample's database, named Name in the work folder.
std::string SampleCopy(const std::string& Name) {
    const std::string Copy = WorkDir + "/" + Name;
    std::filesystem::remove(Copy);
    std::filesystem::copy_file(SampleDb, Copy);
    return Copy;
}

// Milliseconds of the tool's add --modern --recursive of Tree into a copy of the sample's database,
// the process's start and end included, as a person at a terminal waits for it.
double ToolAddsTree(const std::string& Cli, const std::string& Tree, int& Units) {
    const std::string Db = SampleCopy("tool.db");
    QProcess Tool;
    QElapsedTimer Clock;
    Clock.start();
    Tool.start(QString::fromStdString(Cli), {"--db", QString::fromStdString(Db), "add", "--modern", "--recursive",
                                            QString::fromStdString(Tree)});
    Tool.waitForFinished(-1);
    const double Elapsed = static_cast<double>(Clock.nsecsElapsed()) / 1e6;
    Units = QString::fromUtf8(Tool.readAllStandardOutput()).section(QLatin1Char('\t'), 0, 0).toInt();
    return Elapsed;
}

// Milliseconds of File > Add Folder on Tree in the window, modern Object Pascal turned on, from the
// command to its report (answered at once), the selectors refilled.
double WindowAddsTree(const std::string& Tree, int& Units) {
    auto Program = StartWindow(SampleCopy("window.db"));
    qm::TClassNav& W = *Program->Windows().ClassNav;
    Program->Windows().ConfigDlg->ModernPascalCB->setChecked(true);
    AnswerAll.Folder = QString::fromStdString(Tree);
    const int Before = Program->Windows().VCLDB->UnitCount();
    QElapsedTimer Clock;
    Clock.start();
    W.Item("AddFolderItem")->trigger();
    const double Elapsed = static_cast<double>(Clock.nsecsElapsed()) / 1e6;
    Units = Program->Windows().VCLDB->UnitCount() - Before;
    AnswerAll.Folder.clear();
    W.close();
    return Elapsed;
}

// Turns of the tool and the window on the same tree; the median of each.
void AddFolderAgainstTool(const std::string& Tree, const std::string& Cli, int Rounds) {
    std::vector<double> Tool, Window;
    int ToolUnits = 0, WindowUnits = 0;
    for (int Round = 0; Round < Rounds; ++Round) {
        Tool.push_back(ToolAddsTree(Cli, Tree, ToolUnits));
        Window.push_back(WindowAddsTree(Tree, WindowUnits));
        std::cout << "round " << Round + 1 << ": tool " << static_cast<int>(Tool.back()) << " ms, window "
                  << static_cast<int>(Window.back()) << " ms\n";
    }
    const auto Median = [](std::vector<double> Times) {
        std::sort(Times.begin(), Times.end());
        return Times[Times.size() / 2];
    };
    const double T = Median(Tool), Wn = Median(Window);
    std::cout << "add a folder of " << ToolUnits << " units (window: " << WindowUnits << "), median of " << Rounds
              << ": tool " << static_cast<int>(T) << " ms, window's Add Folder " << static_cast<int>(Wn) << " ms, "
              << Wn / T << " times the tool\n";
}

// The Initialize command through the window, progress shown, on the installation Root.
void InitializeCommand(benchmark::State& State, std::string Root) {
    auto Program = std::make_unique<qm::TNavigatorProgram>(WorkDir + "/init.db", false, Root);
    qm::TClassNav& W = *Program->Windows().ClassNav;
    W.show();
    // Whatever the last run left in the database: the first idle work has opened it.
    while (!Program->Windows().VCLDB->IsOpen()) Settle();
    // A generated library has no TApplication to show afterwards: that error is reported, as the
    // window would, and the load itself still counts.
    for (auto _ : State) W.ReportErrors([&W] { W.InitializeCommand(false); });
    State.counters["units"] = Program->Windows().VCLDB->UnitCount();
    Program->Windows().ClassNav->close();
}

}  // namespace

// A unit of about 3,000 lines: one class of 100 methods, each with a body of 25 lines, below
// Blank empty lines.
std::string EditedUnitText(int Blank) {
    std::string Text = "unit Edited;\ninterface\nuses Classes;\ntype\n" + std::string(size_t(Blank), '\n') +
                       "  TEdited = class(TComponent)\n  public\n";
    for (int i = 0; i < 100; ++i) Text += "    procedure Step" + std::to_string(i) + "(Value: Integer);\n";
    Text += "  end;\nimplementation\n";
    for (int i = 0; i < 100; ++i) {
        Text += "procedure TEdited.Step" + std::to_string(i) + "(Value: Integer);\nbegin\n";
        for (int j = 0; j < 25; ++j) Text += "  if Value > " + std::to_string(i * 25 + j) + " then Tag := Value - 1;\n";
        Text += "end;\n\n";
    }
    return Text + "end.\n";
}

// The 3,000-line unit shown with the caret in a method near its end and its class in Class Info,
// saved as an editor saves (a new file renamed over it) with three lines more or fewer above the
// class, until the new text is painted with the caret on the method's line and Class Info
// refilled: the time from the rename, less the 200 ms the watcher waits for the file to be still
// (total_ms: the whole wait, that stillness included).
void EditOf3000LineUnit(benchmark::State& State) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    const std::string Path = WorkDir + "/edit/Edited.pas";
    std::filesystem::create_directories(WorkDir + "/edit");
    auto Save = [&](int Blank) {
        std::ofstream(Path + ".new", std::ios::binary) << EditedUnitText(Blank);
        std::filesystem::rename(Path + ".new", Path);
    };
    Save(0);
    const int Unit = Db.LoadUnit(Path);
    W.FillClassList(Db.ClassesIDByNameIndex("TEdited", 0));
    W.ShowUnit(Unit, Db.MemberPlace(Db.ClassesIDByNameIndex("TEdited", 0), "Step90").Line + 3, false);
    // The watcher takes up the new folder at its next look.
    QElapsedTimer Wait;
    Wait.start();
    while (Wait.elapsed() < 2 * qm::TSourceWatcher::LookMs) Settle();
    int Blank = 0;
    double Total = 0;
    for (auto _ : State) {
        Blank = 3 - Blank;
        const int Expected = W.Memo()->CursorLinePos() + (Blank == 3 ? 3 : -3);
        Save(Blank);
        QElapsedTimer Clock;
        Clock.start();
        while (W.Memo()->CursorLinePos() != Expected && Clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        W.Memo()->repaint();
        const double Ms = double(Clock.nsecsElapsed()) / 1e6;
        if (W.Memo()->CursorLinePos() != Expected) {
            State.SkipWithError("the caret did not follow its method");
            break;
        }
        Total += Ms;
        State.SetIterationTime((Ms - qm::TSourceWatcher::StillMs) / 1e3);
    }
    State.counters["total_ms"] = benchmark::Counter(Total, benchmark::Counter::kAvgIterations);
    Program->Windows().ClassNav->close();
}

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<std::string> VclRoots;
    int SessionRounds = 0, AddRounds = 3;
    std::string AddFolder, Cli;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]).rfind("--add-folder=", 0) == 0) AddFolder = argv[i] + 13;
        if (std::string(argv[i]).rfind("--cli=", 0) == 0) Cli = argv[i] + 6;
        if (std::string(argv[i]).rfind("--rounds=", 0) == 0) AddRounds = std::stoi(argv[i] + 9);
        if (std::string(argv[i]).rfind("--session=", 0) == 0) SessionRounds = std::stoi(argv[i] + 10);
        if (std::string(argv[i]).rfind("--sample=", 0) == 0) SampleRoot = argv[i] + 9;
        if (std::string(argv[i]).rfind("--vcl-root=", 0) == 0) VclRoots.push_back(argv[i] + 11);
        if (std::string(argv[i]).rfind("--library-db=", 0) == 0) LibraryDb = argv[i] + 13;
    }
    if (SampleRoot.empty()) {
        std::cerr << "usage: window_bench --sample=DIR [benchmark flags]\n";
        return 2;
    }
    const auto ProcessStart = std::chrono::steady_clock::now();
    QTemporaryDir Home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* Name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(Name, Home.path().toLocal8Bit());
    qm::TQuillmapApplication App(argc, argv);
    qm::SetPrompts(&AnswerAll);
    const std::chrono::duration<double, std::milli> AppCreation = std::chrono::steady_clock::now() - ProcessStart;
    QApplication::setOrganizationName(qm::OrganizationName);
    QApplication::setApplicationName(qm::DefaultApplicationName);
    WorkDir = Home.path().toStdString();
    SampleDb = WorkDir + "/sample.db";
    {
        qm::TVCLDB Db;
        Db.OpenDatabase(SampleDb);
        Db.VCLSourcePath = SampleRoot + "/SOURCE/";
        Db.InitializeVCL();
    }
    if (!LibraryDb.empty()) {
        // A copy: the window may bring an older file up to date or store its settings beside it.
        const std::string Copy = WorkDir + "/library.db";
        std::filesystem::copy_file(LibraryDb, Copy);
        LibraryDb = Copy;
    }
    if (!AddFolder.empty()) {
        if (Cli.empty()) {
            std::cerr << "usage: window_bench --sample=DIR --add-folder=TREE --cli=TOOL [--rounds=N]\n";
            return 2;
        }
        AddFolderAgainstTool(AddFolder, Cli, AddRounds);
        return 0;
    }
    if (SessionRounds > 0) {
        if (LibraryDb.empty()) LongSession(SessionRounds);
        else LibrarySession(SessionRounds);
        return 0;
    }
    {
        // The first start in this process, the application object included: what a user waits for.
        const auto Start = std::chrono::steady_clock::now();
        auto Program = StartWindow();
        const std::chrono::duration<double, std::milli> Elapsed =
            std::chrono::steady_clock::now() - Start + AppCreation;
        std::cout << "first start to TApplication shown (application object, windows, database, first idle): "
                  << Elapsed.count() << " ms\n";
        Program->Windows().ClassNav->close();
    }
    benchmark::RegisterBenchmark("StartToTApplication", StartToTApplication)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("StartToFirstPaintedText", StartToFirstPaintedText, &SampleDb)->Unit(benchmark::kMillisecond);
    if (!LibraryDb.empty())
        benchmark::RegisterBenchmark("StartToFirstPaintedTextInTheLibrary", StartToFirstPaintedText, &LibraryDb)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ShowUnitOf1MB/FirstTime", ShowUnitOf1MB, true)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ShowUnitOf1MB/Again", ShowUnitOf1MB, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ShowUnitOf1MB/FirstTimeSixteenRuns", FirstShowOf1MBSixteenTimes)
        ->Iterations(16)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FillAndSort500Rows", FillAndSort500Rows)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ClassInfoOfTheLargestClass", ClassInfoOfTheLargestClass)->Unit(benchmark::kMillisecond);
    if (!LibraryDb.empty())
        benchmark::RegisterBenchmark("ClassInfoOfTFormInTheLibrary", ClassInfoOfTFormInTheLibrary)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("IdleStatusRefresh", IdleStatusRefresh)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("DescendantsPageOfTObject", DescendantsPage, &SampleDb, "TObject")->Unit(benchmark::kMillisecond);
    if (!LibraryDb.empty())
        benchmark::RegisterBenchmark("DescendantsPageOfTObjectInTheLibrary", DescendantsPage, &LibraryDb, "TObject")
            ->Unit(benchmark::kMillisecond);
    static const std::string InterfacesDb = SampleWithInterfaces();
    benchmark::RegisterBenchmark("DescendantsPageOfIInterface", DescendantsPage, &InterfacesDb, "IInterface")
        ->Unit(benchmark::kMillisecond);
    if (!LibraryDb.empty())
        benchmark::RegisterBenchmark("DescendantsPageOfIInterfaceInTheLibrary", DescendantsPage, &LibraryDb, "IInterface")
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DoubleClickUpTenLevelsInto1MB/FirstTime", DoubleClickUpTenLevels, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DoubleClickUpTenLevelsInto1MB/Again", DoubleClickUpTenLevels, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ClassSearchClassMember20Entries", ClassMemberSearch20)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("EditOf3000LineUnitToNewTextShown", EditOf3000LineUnit)
        ->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
    VclRoots.insert(VclRoots.begin(), SampleRoot);
    for (const std::string& Root : VclRoots)
        benchmark::RegisterBenchmark(("InitializeCommand/" + Root).c_str(), InitializeCommand, Root)
            ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
