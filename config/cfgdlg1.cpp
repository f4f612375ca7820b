#include "cfgdlg1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QtDebug>

#include "centrewindow.h"
#include "cfgprops.h"
#include "cfgfiler.h"
#include "converterror.h"
#include "registry.h"
#include "settings.h"
#include "settingsnotice.h"
#include "sourcetext.h"
#include "ui_cfgdlg1.h"

namespace qm {
namespace {

const QString DefaultLinesPerPage = QStringLiteral("72");

// What the edit can hold: one to three decimal digits.
bool IsPageLength(const QString& Text) {
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,3}")));
    return digits.match(Text).hasMatch();
}

bool IsDigit(const QString& Text) {
    return Text.size() == 1 && Text.front() >= QLatin1Char('0') && Text.front() <= QLatin1Char('9');
}

// A character typed into the edit, as opposed to an editing or dialog key: Backspace counts as
// typed; Delete, the arrows, Tab, Enter and Escape do not, nor do Ctrl shortcuts.
bool IsTypedCharacter(const QKeyEvent& Key) {
    if (Key.key() == Qt::Key_Backspace) return true;
    const QString text = Key.text();
    if (text.size() != 1) return false;
    const QChar c = text.front();
    return c.isPrint() && !(Key.modifiers() & Qt::ControlModifier);
}

// "MS Sans Serif" where the system has it; elsewhere Arial's metric twin, a little condensed, so that
// the captions fit the places the form gives them (the usual stand-in for it is far wider).
QFont DialogFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    const QString family = QFontInfo(font).family();
    if (family.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) != 0 &&
        family.compare(QLatin1String("Microsoft Sans Serif"), Qt::CaseInsensitive) != 0) {
        font = QFont(QStringLiteral("Arial"));
        font.setPixelSize(11);
        font.setStretch(96);
    }
    return font;
}

}  // namespace

TConfigDlg::TConfigDlg(QWidget* Parent)
    : QDialog(Parent), Beep([] { QApplication::beep(); }), FUi(std::make_unique<Ui::ConfigDlg>()) {
    FUi->setupUi(this);
    LinesPerPageEdit = FUi->LinesPerPageEdit;
    DelphiHelpCB = FUi->DelphiHelpCB;
    ModernPascalCB = FUi->ModernPascalCB;
    ModernTargetCB = FUi->ModernTargetCB;
    ModernDefinesEdit = FUi->ModernDefinesEdit;
    LibraryPathList = FUi->LibraryPathList;
    InstalledLabel = FUi->InstalledLabel;
    LazarusWidgetsetCB = FUi->LazarusWidgetsetCB;
    // The target is kept by its name.
    if (!RegisteredConfigProperty(ComponentClassName(*ModernTargetCB)))
        RegisterConfigProperty(ComponentClassName(*ModernTargetCB), "currentText");
    setFont(DialogFont());
    CentreOnShow(*this);
    // Pasted text must obey the digits-only rule that typing follows.
    LinesPerPageEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), LinesPerPageEdit));
    LinesPerPageEdit->installEventFilter(this);
    connect(FUi->Button1, &QPushButton::clicked, this, &TConfigDlg::Button1Click);
    connect(FUi->AddPathBtn, &QPushButton::clicked, this, &TConfigDlg::AddPathClick);
    connect(FUi->RemovePathBtn, &QPushButton::clicked, this, &TConfigDlg::RemovePathClick);
    connect(FUi->UpPathBtn, &QPushButton::clicked, this, [this] { MovePath(-1); });
    connect(FUi->DownPathBtn, &QPushButton::clicked, this, [this] { MovePath(1); });
    connect(LibraryPathList, &QListWidget::currentRowChanged, this, &TConfigDlg::EnablePathButtons);
    LibraryPathList->installEventFilter(this);
    EnablePathButtons();

    LoadFormConfig(*this);
    // An empty or foreign value would fail the status bar's page display at every start.
    if (!IsPageLength(LinesPerPageEdit->text())) {
        TellValueNotUsed(OpenSettingsKey(), SettingsBytes(objectName()), SettingsBytes(LinesPerPageEdit->objectName()),
                         SettingsBytes(LinesPerPageEdit->text()), "a number of lines of one to three digits");
        LinesPerPageEdit->setText(DefaultLinesPerPage);
    }
}

TConfigDlg::~TConfigDlg() {
    try {
        SaveFormConfig(*this);
    } catch (const std::exception& e) {
        // A destructor cannot pass the error on to the error report: the values of this run are
        // lost, and the log says so.
        qWarning("Configuration not stored: %s", e.what());
    }
}

int TConfigDlg::LinesPerPageValue() const {
    return StrToInt(LinesPerPageEdit->text().toStdString());
}

std::vector<std::string> TConfigDlg::ModernSymbols() const {
    static const QRegularExpression Separators(QStringLiteral("[\\s,;]+"));
    std::vector<std::string> symbols;
    for (const QString& symbol : ModernDefinesEdit->text().split(Separators, Qt::SkipEmptyParts))
        symbols.push_back(SourceBytes(symbol));
    return symbols;
}

void TConfigDlg::SetLibraryPath(const std::vector<std::string>& Folders) {
    LibraryPathList->clear();
    for (const std::string& folder : Folders) LibraryPathList->addItem(QFile::decodeName(QByteArray::fromStdString(folder)));
    if (!Folders.empty()) LibraryPathList->setCurrentRow(0);
    EnablePathButtons();
}

// Folders are file names: the system's encoding, not the 8-bit text of Pascal sources.
std::vector<std::string> TConfigDlg::LibraryPath() const {
    std::vector<std::string> folders;
    for (int row = 0; row < LibraryPathList->count(); ++row) folders.push_back(QFile::encodeName(LibraryPathList->item(row)->text()).toStdString());
    return folders;
}

// A folder already listed is selected again rather than listed twice.
void TConfigDlg::AddPathClick() {
    const QString folder = ChooseFolder ? ChooseFolder() : QString();
    if (folder.isEmpty()) return;
    const QList<QListWidgetItem*> listed = LibraryPathList->findItems(folder, Qt::MatchExactly);
    if (listed.isEmpty()) LibraryPathList->addItem(folder);
    LibraryPathList->setCurrentItem(listed.isEmpty() ? LibraryPathList->item(LibraryPathList->count() - 1) : listed.front());
    LibraryPathList->setFocus();
}

void TConfigDlg::RemovePathClick() {
    const int row = LibraryPathList->currentRow();
    if (row < 0) return;
    delete LibraryPathList->takeItem(row);
    LibraryPathList->setCurrentRow(std::min(row, LibraryPathList->count() - 1));
    EnablePathButtons();
}

void TConfigDlg::MovePath(int Step) {
    const int row = LibraryPathList->currentRow();
    const int to = row + Step;
    if (row < 0 || to < 0 || to >= LibraryPathList->count()) return;
    LibraryPathList->insertItem(to, LibraryPathList->takeItem(row));
    LibraryPathList->setCurrentRow(to);
}

// A button that would do nothing is disabled; the focus stays where it was, on the list.
void TConfigDlg::EnablePathButtons() {
    const int row = LibraryPathList->currentRow();
    FUi->RemovePathBtn->setEnabled(row >= 0);
    FUi->UpPathBtn->setEnabled(row > 0);
    FUi->DownPathBtn->setEnabled(row >= 0 && row + 1 < LibraryPathList->count());
}

bool TConfigDlg::eventFilter(QObject* Watched, QEvent* Event) {
    // Delete on the list removes the folder selected.
    if (Watched == LibraryPathList && Event->type() == QEvent::KeyPress &&
        static_cast<const QKeyEvent*>(Event)->key() == Qt::Key_Delete) {
        RemovePathClick();
        return true;
    }
    if (Watched == LinesPerPageEdit && Event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*Event);
        if (IsTypedCharacter(key) && !IsDigit(key.text())) {
            if (Beep) Beep();
            return true;
        }
    }
    return QDialog::eventFilter(Watched, Event);
}

void TConfigDlg::Button1Click() {
    if (LinesPerPageEdit->text().isEmpty()) {
        if (Beep) Beep();
        LinesPerPageEdit->setFocus();
        return;
    }
    SaveFormConfig(*this);
    accept();
}

}  // namespace qm
