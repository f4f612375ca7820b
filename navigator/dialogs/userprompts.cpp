// The real prompts: Qt's message boxes and file dialog with the program's captions.
#include "userprompts.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace qm {
namespace {

TUserPrompts* InstalledPrompts = nullptr;

void Box(QMessageBox::Icon Icon, const QString& Caption, const QString& Text) {
    QMessageBox Box(Icon, Caption, Text, QMessageBox::Ok, QApplication::activeWindow());
    Box.exec();
}

}  // namespace

void TQtPrompts::ShowError(const QString& Text) {
    Box(QMessageBox::Critical, QApplication::applicationDisplayName(), Text);
}

void TQtPrompts::ShowMessage(const QString& Text) {
    Box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), Text);
}

void TQtPrompts::ShowInformation(const QString& Text) {
    Box(QMessageBox::Information, QApplication::applicationDisplayName(), Text);
}

bool TQtPrompts::Confirm(const QString& Text) {
    QMessageBox Box(QMessageBox::Question, QStringLiteral("Confirm"), Text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return Box.exec() == QMessageBox::Yes;
}

QString TQtPrompts::OpenFile(QWidget* Parent, const QString& Title, const QString& Filter) {
    // Read-only files are not hidden on any platform we run on; the path must exist.
    QFileDialog Dialog(Parent, Title, QString(), QtFileFilter(Filter));
    Dialog.setFileMode(QFileDialog::ExistingFile);
    Dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return {};
    return Dialog.selectedFiles().constFirst();
}

QString TQtPrompts::SaveFile(QWidget* Parent, const QString& Title, const QString& Filter, const QString& Name) {
    QFileDialog Dialog(Parent, Title, Name, QtFileFilter(Filter));
    Dialog.setAcceptMode(QFileDialog::AcceptSave);
    Dialog.setFileMode(QFileDialog::AnyFile);
    // The extension of the filter chosen, for a name typed without one.
    const auto Suffix = [&Dialog](const QString& NameFilter) {
        const qsizetype Star = NameFilter.indexOf(QLatin1String("*."));
        Dialog.setDefaultSuffix(Star < 0 ? QString() : NameFilter.mid(Star + 2).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(' '), 0, 0));
    };
    QObject::connect(&Dialog, &QFileDialog::filterSelected, &Dialog, Suffix);
    Suffix(Dialog.selectedNameFilter());
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return {};
    return Dialog.selectedFiles().constFirst();
}

QString TQtPrompts::ChooseFolder(QWidget* Parent, const QString& Title) {
    QFileDialog Dialog(Parent, Title);
    Dialog.setFileMode(QFileDialog::Directory);
    Dialog.setOption(QFileDialog::ShowDirsOnly);
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return {};
    return Dialog.selectedFiles().constFirst();
}

void TQtPrompts::Beep() {
    QApplication::beep();
}

int TQtPrompts::RunModal(QDialog& Dialog) {
    return Dialog.exec();
}

QString QtFileFilter(const QString& Filter) {
    const QStringList Parts = Filter.split(QLatin1Char('|'));
    QStringList Filters;
    for (qsizetype i = 0; i + 1 < Parts.size(); i += 2)
        Filters << QStringLiteral("%1 (%2)").arg(Parts[i], QString(Parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return Filters.join(QStringLiteral(";;"));
}

TUserPrompts& Prompts() {
    static TQtPrompts Real;
    return InstalledPrompts ? *InstalledPrompts : Real;
}

void SetPrompts(TUserPrompts* Prompts) {
    InstalledPrompts = Prompts;
}

}  // namespace qm
