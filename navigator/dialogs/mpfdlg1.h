// TMPFDlg, "Select Class . Member": the classes that declare a member of the searched name, for the
// user to pick one; it remembers the last search that found something so that it can be shown again.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class MPFDlg;
}

namespace qm {

class TVCLDB;

class TMPFDlg : public QDialog {
    Q_OBJECT

public:
    explicit TMPFDlg(TVCLDB& Db, QWidget* Parent = nullptr);
    ~TMPFDlg() override;

    // Searches every class for a member named Name (ignoring case). The chosen declaring class's
    // id; 0 when the user cancelled; -1 when no class declares it. A single declaration is
    // returned without asking.
    int SelectMember(const std::string& Name);
    // The most recent member search found something.
    bool HasResults() const { return FHasResults; }
    // Shows the results of the last member search that found something again, as they are now in
    // the database, even a single one: the chosen class's id; 0 when cancelled or there are none.
    int SelectLastResults();
    // The searched name of those results; empty when no search found anything yet.
    std::string LastMemberName() const { return FLastMemberName; }

private:
    // Fills the list with the members named Name, under the wait cursor; false when none.
    bool Search(const std::string& Name);

    TVCLDB& FDb;
    std::unique_ptr<Ui::MPFDlg> FUi;
    bool FHasResults = false;
    std::string FLastMemberName;
};

}  // namespace qm
