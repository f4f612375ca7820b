// TClassMemberDlg, "Select Unit . Class . Member": the user picks which declaration of a member
// is meant when several classes bear the class name.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class ClassMemberDlg;
}

namespace qm {

class TVCLDB;

class TClassMemberDlg : public QDialog {
    Q_OBJECT

public:
    explicit TClassMemberDlg(TVCLDB& Db, QWidget* Parent = nullptr);
    ~TClassMemberDlg() override;

    // For every class named ClassName, the class from it upwards that declares MemberName. The
    // chosen declaring class's id; 0 when the user cancelled; -1 when none declares it. A single
    // declaration is returned without asking.
    int SelectClassMember(const std::string& ClassName, const std::string& MemberName);

private:
    TVCLDB& FDb;
    std::unique_ptr<Ui::ClassMemberDlg> FUi;
};

}  // namespace qm
