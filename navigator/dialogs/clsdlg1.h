// TClassDlg, "Select Unit . Class": the user picks one of several classes of the same name.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class ClassDlg;
}

namespace qm {

class TVCLDB;

class TClassDlg : public QDialog {
    Q_OBJECT

public:
    explicit TClassDlg(TVCLDB& Db, QWidget* Parent = nullptr);
    ~TClassDlg() override;

    // The chosen class's id; 0 when the user cancelled; -1 when no class has that name. A single
    // class of that name is returned without asking.
    int SelectClass(const std::string& Name);

private:
    TVCLDB& FDb;
    std::unique_ptr<Ui::ClassDlg> FUi;
};

}  // namespace qm
