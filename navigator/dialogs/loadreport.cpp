#include "loadreport.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "centrewindow.h"

namespace qm {

TLoadReportDlg::TLoadReportDlg(QWidget* Parent)
    : QDialog(Parent), FSummary(new QLabel(this)), FLines(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("LoadReportDlg"));
    setWindowTitle(QStringLiteral("Add Folder"));
    FSummary->setObjectName(QStringLiteral("Summary"));
    FSummary->setWordWrap(true);
    FLines->setObjectName(QStringLiteral("Lines"));
    FLines->setReadOnly(true);
    FLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    FLines->setAccessibleName(QStringLiteral("Units that did not load"));
    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* Copy = Buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
    Copy->setObjectName(QStringLiteral("CopyButton"));
    Buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    connect(Copy, &QPushButton::clicked, this, &TLoadReportDlg::CopyText);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(FSummary);
    Layout->addWidget(FLines, 1);
    Layout->addWidget(Buttons);
    resize(640, 360);
    CentreOnShow(*this);
}

void TLoadReportDlg::SetReport(int Loaded, const QStringList& Failed, bool Cancelled, const QStringList& LeftOut) {
    QString Summary = QStringLiteral("%1 units were added.").arg(Loaded);
    if (Cancelled) Summary += QStringLiteral(" The load was cancelled; the units added before stay.");
    if (!Failed.isEmpty()) Summary += QStringLiteral(" %1 units did not load").arg(Failed.size());
    if (!LeftOut.isEmpty())
        Summary += Failed.isEmpty() ? QStringLiteral(" Parts of added units were left out")
                                    : QStringLiteral(", and parts of added units were left out");
    if (!Failed.isEmpty() || !LeftOut.isEmpty()) Summary += QLatin1Char(':');
    FSummary->setText(Summary);
    const QStringList Lines = Failed + LeftOut;
    FLines->setPlainText(Lines.join(QLatin1Char('\n')));
    FLines->setVisible(!Lines.isEmpty());
}

QString TLoadReportDlg::Text() const {
    return FLines->toPlainText();
}

void TLoadReportDlg::CopyText() {
    QApplication::clipboard()->setText(FLines->toPlainText());
}

}  // namespace qm
