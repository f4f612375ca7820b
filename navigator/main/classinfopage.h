// The Class Info page: the members of one class with everything it inherits, filtered by the
// Filters menu's seven check items and sorted by a clicked column. It owns the list's model, its
// sorter, the sort column and direction and the class it shows.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QAction;

namespace qm {

class TClassListModel;
class TClassListSorter;
class TClassListView;
class TVCLDB;
struct TClassInfoRow;

class TClassInfoPage : public QObject {
    Q_OBJECT
public:
    // Item finds a menu item by its objectName (the filter items).
    TClassInfoPage(TClassListView& View, std::function<QAction*(const QString&)> Item, QObject* Parent);
    void Attach(TVCLDB& Db) { FDb = &Db; }

    // Shows the members of the class, as the filter items allow, in listing order, the first row
    // focused and selected.
    void Fill(int ClassID);
    // Shows the class again with the filter items as they are now; nothing while no class is shown.
    void Refill();
    // Shows the class again after its rows changed: the order, the focused member and the scroll
    // position stay where the rows allow.
    void Reload();
    // Shows nothing, and no class.
    void Clear();
    // A click on the heading of the 0-based Column: the same column again reverses the direction,
    // another column keeps it.
    void ColumnClick(int Column);
    // Back to the start: column 1, ascending.
    void ResetSort();
    // The filter items are enabled exactly when Enabled (the page, not the source, is shown).
    void EnableFilters(bool Enabled);

    // The row shown at Row (0-based, in the present order) is made the focused and selected row.
    void FocusRow(int Row);
    // The focused row when it is also selected; null otherwise.
    const TClassInfoRow* SelectedRow() const;
    // The focused row, selected or not; null when there is none.
    const TClassInfoRow* FocusedRow() const;
    // Focuses the first row whose member is Name (any letter case); false when none is.
    bool FocusMember(const QString& Name);
    // Focuses the first row whose member begins with Prefix (any letter case); false when none does.
    bool FocusPrefix(const QString& Prefix);
    // The rows in the order shown.
    std::vector<const TClassInfoRow*> RowsShown() const;

    int ClassID() const { return FClassID; }
    const std::string& ClassName() const { return FClassName; }
    int SortColumn() const { return FSortColumn; }
    int SortDirection() const { return FSortDirection; }
    TClassListModel& Model() const { return *FModel; }
    TClassListSorter& Sorter() const { return *FSorter; }
    TClassListView& View() const { return FView; }

private:
    // The first row shown whose member name satisfies Match, focused; false when none does.
    bool FocusFirst(const std::function<bool(const QString&)>& Match);

    TClassListView& FView;
    std::function<QAction*(const QString&)> FItem;
    TVCLDB* FDb = nullptr;
    TClassListModel* FModel;
    TClassListSorter* FSorter;
    int FSortColumn = 1;     // 1-based: 1 Member ... 5 Type
    int FSortDirection = 1;  // +1 ascending, -1 descending
    int FClassID = 0;        // the class shown, for refilling
    std::string FClassName;
};

}  // namespace qm
