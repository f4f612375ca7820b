// TIntroForm, "Quillmap Setup": tells the user on the first run that the VCL is about to be parsed.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class IntroForm;
}

namespace qm {

class TIntroForm : public QDialog {
    Q_OBJECT

public:
    explicit TIntroForm(QWidget* Parent = nullptr);
    ~TIntroForm() override;

private:
    std::unique_ptr<Ui::IntroForm> FUi;
};

}  // namespace qm
