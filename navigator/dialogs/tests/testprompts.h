// TTestPrompts: the prompts of the dialog and window tests. They record every box the program
// shows and answer its questions, file dialogs and modal dialogs from queues.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "userprompts.h"

namespace qm {

struct TPromptCall {
    std::string Kind;  // "error", "message", "information", "confirm", "open", "save", "folder"
    QString Text;
};

// An answer to a modal dialog, run inside the dialog's own modal loop; it must close the dialog.
using TAnswer = std::function<void(QDialog&)>;

class TTestPrompts : public TUserPrompts {
public:
    void ShowError(const QString& Text) override { Calls.push_back({"error", Text}); }
    void ShowMessage(const QString& Text) override { Calls.push_back({"message", Text}); }
    void ShowInformation(const QString& Text) override { Calls.push_back({"information", Text}); }
    bool Confirm(const QString& Text) override;
    QString OpenFile(QWidget* Parent, const QString& Title, const QString& Filter) override;
    // Recorded as "save"; answered from FileAnswers as the open-file dialog.
    QString SaveFile(QWidget* Parent, const QString& Title, const QString& Filter, const QString& Name) override;
    // Recorded as "folder"; answered from FileAnswers too.
    QString ChooseFolder(QWidget* Parent, const QString& Title) override;
    void Beep() override { ++Beeps; }
    // With an answer queued, runs the dialog's real modal loop and the answer inside it; else
    // OnModal decides, else the dialog counts as accepted without being run.
    int RunModal(QDialog& Dialog) override;

    // The calls of one kind, in order.
    std::vector<QString> Texts(const std::string& Kind) const;
    // The boxes shown, as "kind: text".
    QStringList Messages() const;
    int Modals() const { return int(ModalDialogs.size()); }

    std::vector<TPromptCall> Calls;
    int Beeps = 0;
    std::deque<bool> ConfirmAnswers;           // default: No
    std::deque<QString> FileAnswers;           // default: cancelled
    std::deque<TAnswer> Answers;               // for modal dialogs, in order
    std::vector<const QDialog*> ModalDialogs;  // the dialogs run, in order
    std::function<int(QDialog&)> OnModal;
    // A question, file dialog or modal dialog that finds no answer queued fails the test
    // (instead of No, cancelled and accepted).
    bool Strict = false;

private:
    QString FileAnswer(const char* Kind, const QString& Title);
};

}  // namespace qm
