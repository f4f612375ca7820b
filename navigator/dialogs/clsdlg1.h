// TClassDlg, "Select Unit . Class": the user picks one of several classes of the same name.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "dbrows.h"

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
    // One of the classes Entries lists (id and text), in their order: the chosen id, 0 when the
    // user cancelled. The first entry is selected.
    int ChooseClass(const TStringItems& Entries);

private:
    TVCLDB& FDb;
    std::unique_ptr<Ui::ClassDlg> FUi;
};

}  // namespace qm
