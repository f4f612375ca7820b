// The window's figures, offscreen: start to TApplication shown, ShowUnit of a 1 MB unit, filling
// and sorting a 500-row Class Info list, one idle status refresh.
//   window_bench --sample=DIR [Google Benchmark flags]
// DIR is a Delphi installation (samples/delphi2); the benchmark works in a temporary folder.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "application.h"
#include "appwindows.h"
#include "classlist.h"
#include "dblocation.h"
#include "main1.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "xre.h"

namespace {

std::string SampleRoot, WorkDir, SampleDb;

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

std::unique_ptr<qm::TNavigatorProgram> StartWindow() {
    qm::FirstIdle = true;
    auto Program = std::make_unique<qm::TNavigatorProgram>(SampleDb, false);
    Program->Windows().ClassNav->show();
    while (Program->Windows().ClassNav->CurrentClassName != "TApplication") Settle();
    return Program;
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

void ShowUnitOf1MB(benchmark::State& State) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    qm::TVCLDB& Db = *Program->Windows().VCLDB;
    static int Big = 0;
    if (!Big) Big = Db.LoadUnit(WriteUnit("Big", 200, 1024));
    const int Forms = Db.CurrentUnitID;
    for (auto _ : State) {
        W.ShowUnit(Big, 20000, false);
        W.Memo->repaint();
        State.PauseTiming();
        W.ShowUnit(Forms, 0, false);
        W.Memo->repaint();
        State.ResumeTiming();
    }
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
    W.SelectPage(W.ClassInfoTabSheet);
    for (auto _ : State) {
        W.FillClassList(Wide);
        W.ClassListViewColumnClick(0);
        W.ClassListView->repaint();
    }
    State.counters["rows"] = W.ClassListModel->rowCount();
    Program->Windows().ClassNav->close();
}

void IdleStatusRefresh(benchmark::State& State) {
    auto Program = StartWindow();
    qm::TClassNav& W = *Program->Windows().ClassNav;
    for (auto _ : State) W.AppIdle();
    Program->Windows().ClassNav->close();
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind("--sample=", 0) == 0) SampleRoot = argv[i] + 9;
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
    benchmark::RegisterBenchmark("ShowUnitOf1MB", ShowUnitOf1MB)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FillAndSort500Rows", FillAndSort500Rows)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("IdleStatusRefresh", IdleStatusRefresh)->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
