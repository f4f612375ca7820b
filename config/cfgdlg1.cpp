#include "cfgdlg1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
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

bool TConfigDlg::eventFilter(QObject* Watched, QEvent* Event) {
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
