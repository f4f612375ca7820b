// A scripted session on the real windows, for looking at them: run it under a real display
// (Xvfb and the xcb platform) with an empty home; it saves screenshots into the folder given.
//   window_shots OUTDIR SAMPLEDIR TESTDATADIR
// Steps: first run (intro, progress mid-Initialize), the Source page with a red bookmark line,
// Class Info sorted by Level, the configuration dialog, About, a double-click on Caption, Back,
// "Inherited Class", class search "TButton.Click", a text search, "Select Unit . Class", Add Unit,
// Remove Unit with a dependant (both phases), Initialize, Print.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <iostream>

#include "application.h"
#include "appwindows.h"
#include "dblocation.h"
#include "classinfopage.h"
#include "main1.h"
#include "statuspanels.h"
#include "vcldb1.h"
#include "xre.h"

namespace {

QString OutDir;
std::string TestData;

void Shot(const QString& Name) {
    QApplication::processEvents();
    QScreen* Screen = QGuiApplication::primaryScreen();
    Screen->grabWindow(0).save(OutDir + "/" + Name + ".png");
    std::cout << "saved " << Name.toStdString() << ".png\n";
}

// What to do with each modal window as it comes up, in order.
std::deque<std::function<void(QWidget&)>> OnModal;

void WatchModals() {
    auto* Timer = new QTimer(qApp);
    QObject::connect(Timer, &QTimer::timeout, [] {
        QWidget* Modal = QApplication::activeModalWidget();
        if (!Modal || !Modal->isVisible() || OnModal.empty() || Modal->property("handled").toBool()) return;
        Modal->setProperty("handled", true);
        std::cout << "modal " << Modal->metaObject()->className() << "\n";
        auto Action = std::move(OnModal.front());
        OnModal.pop_front();
        QTimer::singleShot(300, Modal, [Modal, Action] {
            Action(*Modal);
            Modal->setProperty("handled", false);  // a dialog shown again is handled again
        });
    });
    Timer->start(50);
}

void Press(QWidget& Box, QMessageBox::StandardButton Button) {
    if (auto* M = qobject_cast<QMessageBox*>(&Box)) M->button(Button)->click();
}

void Accept(QWidget& W) {
    if (auto* D = qobject_cast<QDialog*>(&W)) D->accept();
}

// Lets the event loop run, and wait for events (so that idle work runs), for Ms milliseconds.
void Wait(int Ms) {
    QEventLoop Loop;
    QTimer::singleShot(Ms, &Loop, &QEventLoop::quit);
    Loop.exec();
}

// Runs until Done says so, letting modal windows be handled.
void WaitFor(const std::function<bool()>& Done) {
    for (int i = 0; i < 400 && !Done(); ++i) Wait(25);
}

void DoubleClickWord(qm::TClassNav& W, int Line, const QString& Word) {
    W.ShowUnit(W.Windows().VCLDB->CurrentUnitID, Line, false);
    const int At = W.Memo()->LineIndex(Line) + static_cast<int>(W.Memo()->Lines().Line(Line).indexOf(Word)) + 1;
    QTest::mouseDClick(W.Memo()->viewport(), Qt::LeftButton, {}, W.Memo()->CursorRect(At).center());
}

int FindLine(qm::TClassNav& W, const QString& Text) {
    const qm::TSourceLines& Lines = W.Memo()->Lines();
    for (int L = 0; L < Lines.LineCount(); ++L)
        if (Lines.Line(L).contains(Text)) return L;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: window_shots OUTDIR SAMPLEDIR TESTDATADIR\n";
        return 2;
    }
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    qm::TQuillmapApplication App(argc, argv);
    QApplication::setOrganizationName(qm::OrganizationName);
    QApplication::setApplicationName(qm::DefaultApplicationName);
    QApplication::setApplicationDisplayName(qm::DefaultApplicationName);
    std::cout << std::unitbuf;
    OutDir = QString::fromLocal8Bit(argv[1]);
    TestData = argv[3];
    WatchModals();

    qm::TNavigatorProgram Program(qm::ClassDatabasePath(), true, argv[2]);
    qm::TClassNav& W = *Program.Windows().ClassNav;
    qm::TVCLDB& Db = *Program.Windows().VCLDB;
    bool ProgressShot = false;
    QObject::connect(&W.Status().Progress(), &QProgressBar::valueChanged, [&](int Value) {
        if (Value == 25 && !ProgressShot) {
            ProgressShot = true;
            Shot("initialize-progress");
        }
    });
    // First run: the intro, then the help file question (No).
    OnModal.push_back([](QWidget& M) { Shot("first-run"); Accept(M); });
    OnModal.push_back([](QWidget& M) { Press(M, QMessageBox::No); });
    W.show();
    WaitFor([&] { return W.ClassInfo().ClassName() == "TApplication" && OnModal.empty(); });
    Wait(300);

    // A red bookmark line three lines below the class heading.
    W.Memo()->SetCursorLinePos(W.Memo()->CursorLinePos() + 3);
    W.AddBookmark(1);
    W.Memo()->SetCursorLinePos(W.Memo()->CursorLinePos() - 3);
    Wait(100);
    Shot("source-bookmark");

    W.SelectPage(W.ClassInfoTabSheet());
    W.ClassListViewColumnClick(2);
    Wait(100);
    Shot("classinfo-by-level");
    W.SelectPage(W.SourceTabSheet());

    OnModal.push_back([](QWidget& M) { Shot("configuration"); qobject_cast<QDialog*>(&M)->reject(); });
    W.ConfigurationItemClick();
    OnModal.push_back([](QWidget& M) {
        std::cout << "about box at " << M.x() << "," << M.y() << " " << M.width() << "x" << M.height()
                  << (M.isVisible() ? " visible" : " hidden") << "\n";
        Shot("about");
        Accept(M);
    });
    W.About1Click();

    // Move: Caption in a form method, Back, Inherited Class, class search, text search.
    W.ShowClass("Forms", "TCustomForm");
    DoubleClickWord(W, FindLine(W, "Caption :="), "Caption");
    Wait(100);
    Shot("jump-to-caption");
    std::cout << "after the double-click: " << Db.GetUnitName(Db.CurrentUnitID) << " line " << W.Memo()->CursorLinePos() + 1 << "\n";
    W.BackItemClick();
    std::cout << "after Back: " << Db.GetUnitName(Db.CurrentUnitID) << " line " << W.Memo()->CursorLinePos() + 1 << "\n";
    W.InheritedItemClick();
    std::cout << "after Inherited Class: " << Db.GetUnitName(Db.CurrentUnitID) << " line " << W.Memo()->CursorLinePos() + 1 << "\n";
    W.ClassesCB()->setEditText("TButton.Click");
    W.ClassSearch();
    std::cout << "after TButton.Click: " << Db.GetUnitName(Db.CurrentUnitID) << " line " << W.Memo()->CursorLinePos() + 1 << "\n";
    W.TextSearchEdit()->setText("inherited");
    W.TextSearchGoSBClick();
    std::cout << "after the text search: line " << W.Memo()->CursorLinePos() + 1 << "\n";

    for (const char* Unit : {"Shapes1.pas", "Shapes2.pas", "Users.pas"})
        Db.LoadUnit(TestData + "/navigator/" + Unit);
    W.ShowUnit(Db.UnitsIDByNameIndex("Users", 0), 0, false);
    OnModal.push_back([](QWidget& M) { Shot("select-unit-class"); Accept(M); });
    Wait(600);  // past the double-click filter's window
    DoubleClickWord(W, FindLine(W, "neither TShared"), "TShared");

    // Change: Add Unit through the file dialog, Remove Unit with its dependant, Initialize, Print.
    const QString UserA = QString::fromStdString(TestData + "/classdb/UserA.pas");
    const QString UserB = QString::fromStdString(TestData + "/classdb/UserB.pas");
    for (const QString& File : {UserA, UserB}) {
        OnModal.push_back([File](QWidget& M) {
            // As a user would: the path typed into the file name field, then Enter.
            auto* Name = M.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            std::cout << "choosing " << File.toStdString() << "\n";
            Name->setText(File);
            QTest::keyClick(Name, Qt::Key_Return);
        });
        W.LoadUnit1Click();
    }
    std::cout << "after Add Unit: " << Db.UnitCount() << " units, showing " << W.ClassInfo().ClassName() << "\n";
    OnModal.push_back([](QWidget& M) {
        auto* List = M.findChild<QListWidget*>();
        for (int i = 0; i < List->count(); ++i)
            if (List->item(i)->text().contains("UserA")) List->setCurrentRow(i);
        Accept(M);
    });
    OnModal.push_back([](QWidget& M) { Shot("remove-phase-two"); Accept(M); });
    W.RemoveUnitItemClick();
    std::cout << "after Remove Unit: " << Db.UnitCount() << " units\n";

    OnModal.push_back([](QWidget& M) { Press(M, QMessageBox::Yes); });
    ProgressShot = false;
    W.LoadVCL1Click();
    std::cout << "after Initialize: " << Db.UnitCount() << " units\n";

    W.SelectPage(W.ClassInfoTabSheet());
    OnModal.push_back([](QWidget& M) {
        std::cout << "print: " << qobject_cast<QMessageBox*>(&M)->text().toStdString() << "\n";
        Accept(M);
    });
    W.PrintItemClick();
    W.close();
    return 0;
}
