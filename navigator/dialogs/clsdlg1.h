// TClassDlg, "Select Unit . Class": the user picks one of several classes of the same name, or
// one class of a list the window makes (overrides, overloads) under a caption of its own.
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
    // One of the classes Entries lists (id and text), in their order, under the caption Title:
    // the chosen id, 0 when the user cancelled, -1 when there is none. The first entry is
    // selected; a single entry is returned without asking.
    int ChooseClass(const TStringItems& Entries, const QString& Title);

private:
    void SetCaption(const QString& Title);

    TVCLDB& FDb;
    std::unique_ptr<Ui::ClassDlg> FUi;
};

}  // namespace qm
