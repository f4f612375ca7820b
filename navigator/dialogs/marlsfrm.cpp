#include "marlsfrm.h"

#include "centrewindow.h"
#include "ui_marlsfrm.h"

namespace qm {

TIntroForm::TIntroForm(QWidget* Parent) : QDialog(Parent), FUi(std::make_unique<Ui::IntroForm>()) {
    FUi->setupUi(this);
    // A character height of 19 pixels: Designer keeps only point sizes.
    QFont heading = FUi->Label1->font();
    heading.setPixelSize(19);
    FUi->Label1->setFont(heading);
    CentreOnShow(*this);
}

TIntroForm::~TIntroForm() = default;

}  // namespace qm
