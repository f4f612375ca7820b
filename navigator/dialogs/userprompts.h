// Every message box, question, file dialog, beep and modal run of the window goes through
// TUserPrompts, so that tests can answer them; TQtPrompts shows the real thing.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace qm {

class TUserPrompts {
public:
    virtual ~TUserPrompts() = default;
    // An error box: the application title as caption, a stop icon, OK.
    virtual void ShowError(const QString& Text) = 0;
    // A plain message: the application title as caption, no icon, OK.
    virtual void ShowMessage(const QString& Text) = 0;
    // An information box: the application title as caption, an information icon, OK.
    virtual void ShowInformation(const QString& Text) = 0;
    // A question: caption "Confirm", Yes and No; true for Yes.
    virtual bool Confirm(const QString& Text) = 0;
    // The open-file dialog; Filter in the form "Pascal Files|*.pas". Empty when cancelled,
    // otherwise the chosen file's absolute path.
    virtual QString OpenFile(QWidget* Parent, const QString& Title, const QString& Filter) = 0;
    // The save-file dialog, proposing Name; empty when cancelled, otherwise the absolute path to
    // write, with the extension of the chosen filter when the user typed none.
    virtual QString SaveFile(QWidget* Parent, const QString& Title, const QString& Filter, const QString& Name) = 0;
    // The folder dialog; empty when cancelled, otherwise the chosen folder's absolute path.
    virtual QString ChooseFolder(QWidget* Parent, const QString& Title) = 0;
    // The system's default beep.
    virtual void Beep() = 0;
    // Shows Dialog modally; its result (QDialog::Accepted or Rejected).
    virtual int RunModal(QDialog& Dialog) = 0;
};

class TQtPrompts : public TUserPrompts {
public:
    void ShowError(const QString& Text) override;
    void ShowMessage(const QString& Text) override;
    void ShowInformation(const QString& Text) override;
    bool Confirm(const QString& Text) override;
    QString OpenFile(QWidget* Parent, const QString& Title, const QString& Filter) override;
    QString SaveFile(QWidget* Parent, const QString& Title, const QString& Filter, const QString& Name) override;
    QString ChooseFolder(QWidget* Parent, const QString& Title) override;
    void Beep() override;
    int RunModal(QDialog& Dialog) override;
};

// "Pascal Files|*.pas|All|*" as Qt's "Pascal Files (*.pas);;All (*)".
QString QtFileFilter(const QString& Filter);

// The prompts the window uses; TQtPrompts unless a test installed its own (which it keeps).
TUserPrompts& Prompts();
void SetPrompts(TUserPrompts* Prompts);

}  // namespace qm
