// TUnitsDlg, "Select Unit": the user picks one of several units of the same name.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class UnitsDlg;
}

namespace qm {

class TVCLDB;

class TUnitsDlg : public QDialog {
    Q_OBJECT

public:
    explicit TUnitsDlg(TVCLDB& Db, QWidget* Parent = nullptr);
    ~TUnitsDlg() override;

    // The chosen unit's id; 0 when the user cancelled; -1 when no unit has that name. A single
    // unit of that name is returned without asking.
    int SelectUnit(const std::string& Name);

private:
    TVCLDB& FDb;
    std::unique_ptr<Ui::UnitsDlg> FUi;
};

}  // namespace qm
