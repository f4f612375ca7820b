// The entries keep the caller's order (a project file lists its configurations as it means them);
// each carries its index plus one, as the selection lists carry ids above 0.
#include "choicedlg.h"

#include <QListWidget>

#include "centrewindow.h"
#include "selectlist.h"
#include "ui_choicedlg.h"

namespace qm {

TChoiceDlg::TChoiceDlg(QWidget* Parent) : QDialog(Parent), FUi(std::make_unique<Ui::ChoiceDlg>()) {
    FUi->setupUi(this);
    CentreOnShow(*this);
    AcceptOnDoubleClick(*this, *FUi->ListBox1);
}

TChoiceDlg::~TChoiceDlg() = default;

int TChoiceDlg::Choose(const QString& Title, const QStringList& Entries) {
    setWindowTitle(Title);
    FUi->ListBox1->setAccessibleName(Title);
    FUi->ListBox1->clear();
    for (int i = 0; i < Entries.size(); ++i) AddEntry(*FUi->ListBox1, Entries[i], i + 1);
    return ChooseEntry(*this, *FUi->ListBox1) - 1;
}

}  // namespace qm
