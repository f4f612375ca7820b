// The Source page's handlers: each hands the work to the source place.
#include "main1.h"
#include "sourceplace.h"

namespace qm {

void TClassNav::ShowUnit(int UnitID, int Line, bool RecordHistory) {
    FSource->ShowUnit(UnitID, Line, RecordHistory);
}

void TClassNav::GoTo(const TPlace& Place, bool RecordHistory) {
    FSource->GoTo(Place, RecordHistory);
}

void TClassNav::BackItemClick() {
    FSource->Back();
}

void TClassNav::AddBookmark(int N) {
    FSource->AddBookmark(N);
}

void TClassNav::GotoBookmark(int N) {
    FSource->GotoBookmark(N);
}

void TClassNav::ForgetRemovedUnits() {
    FSource->ForgetRemovedUnits();
}

}  // namespace qm
