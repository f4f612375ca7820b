// The Class Info and Descendants pages' handlers: each hands the work to the page, and a
// double-click on a row opens the member's or the class's source.
#include "classinfopage.h"
#include "classlist.h"
#include "descendantspage.h"
#include "main1.h"
#include "userprompts.h"
#include "vcldb1.h"

namespace qm {

// The Descendants page follows the class Class Info shows.
void TClassNav::FillClassList(int ClassID) {
    FClassInfo->Fill(ClassID);
    FDescendants->SetClass(ClassID);
}

void TClassNav::ClassListViewColumnClick(int Column) {
    FClassInfo->ColumnClick(Column);
}

// The member's implementation, or its declaration when it has none, without a history entry.
void TClassNav::ClassListViewDblClick() {
    const TClassInfoRow* Row = FClassInfo->FocusedRow();
    if (!Row) return;
    // An interface that is not loaded has no source to open.
    if (Row->Member.Place.UnitID == 0) return Prompts().Beep();
    GoTo(Row->Member.Place, false);  // each overload's own
}

void TClassNav::FiltersItemClick() {
    FClassInfo->EnableFilters(PageActive(ClassInfoTabSheet()));
}

// The item's check mark has already changed (Qt toggles a check item before it reports the click).
void TClassNav::FieldItemClick(QAction&) {
    FClassInfo->Refill();
}

// A jump as any other: the selectors keep what the user last chose in them.
void TClassNav::DescendantChosen(int ClassID) {
    GoTo(VCLDB().ClassPlace(ClassID), true);
}

}  // namespace qm
