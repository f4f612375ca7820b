#include "testprompts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

namespace qm {

namespace {

// The front of Queue, or Default when it is empty.
template <class T>
T Next(std::deque<T>& Queue, T Default) {
    if (Queue.empty()) return Default;
    T Answer = std::move(Queue.front());
    Queue.pop_front();
    return Answer;
}

}  // namespace

bool TTestPrompts::Confirm(const QString& Text) {
    Calls.push_back({"confirm", Text});
    if (Strict && ConfirmAnswers.empty()) ADD_FAILURE() << "unexpected question: " << Text.toStdString();
    return Next(ConfirmAnswers, false);
}

QString TTestPrompts::FileAnswer(const char* Kind, const QString& Title) {
    Calls.push_back({Kind, Title});
    if (Strict && FileAnswers.empty()) ADD_FAILURE() << "unexpected file dialog: " << Title.toStdString();
    return Next(FileAnswers, QString());
}

QString TTestPrompts::OpenFile(QWidget*, const QString& Title, const QString&) {
    return FileAnswer("open", Title);
}

QString TTestPrompts::SaveFile(QWidget*, const QString& Title, const QString&, const QString&) {
    return FileAnswer("save", Title);
}

QString TTestPrompts::ChooseFolder(QWidget*, const QString& Title) {
    return FileAnswer("folder", Title);
}

int TTestPrompts::RunModal(QDialog& Dialog) {
    ModalDialogs.push_back(&Dialog);
    if (Answers.empty()) {
        if (OnModal) return OnModal(Dialog);
        if (!Strict) return QDialog::Accepted;
        ADD_FAILURE() << "unexpected dialog: " << Dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    TAnswer Answer = Next(Answers, TAnswer());
    QTimer::singleShot(0, &Dialog, [&Dialog, Answer] {
        EXPECT_EQ(QApplication::activeModalWidget(), &Dialog);
        Answer(Dialog);
        if (Dialog.isVisible()) {
            ADD_FAILURE() << "the answer left the dialog open: " << Dialog.windowTitle().toStdString();
            Dialog.reject();
        }
    });
    const QPointer<QWidget> Before = QApplication::activeWindow();
    const int Result = Dialog.exec();
    // Where a window manager runs, it gives the activation back to the window below a closed
    // dialog; the offscreen platform has none, so do what it does.
    if (Before && Before != &Dialog && Before->isVisible() && QGuiApplication::platformName() == QLatin1String("offscreen")) {
        Before->activateWindow();
        QCoreApplication::processEvents();
    }
    return Result;
}

std::vector<QString> TTestPrompts::Texts(const std::string& Kind) const {
    std::vector<QString> Result;
    for (const TPromptCall& Call : Calls)
        if (Call.Kind == Kind) Result.push_back(Call.Text);
    return Result;
}

QStringList TTestPrompts::Messages() const {
    QStringList Result;
    for (const TPromptCall& Call : Calls)
        if (Call.Kind == "error" || Call.Kind == "message" || Call.Kind == "information")
            Result << QString::fromStdString(Call.Kind) + ": " + Call.Text;
    return Result;
}

}  // namespace qm
