// The window beside other programs on the same class database: when another program has
// committed, the selectors follow, and a unit or class the window shows that has gone is let go
// of with one message while the window goes on working.
#include <QComboBox>
#include <QStringList>

#include "classinfopage.h"
#include "descendantspage.h"
#include "main1.h"
#include "selectorpanel.h"
#include "sourceplace.h"
#include "sourcetext.h"
#include "userprompts.h"
#include "vcldb1.h"

namespace qm {

void TClassNav::FollowOtherPrograms() {
    TVCLDB& Db = VCLDB();
    QStringList Gone;
    if (Db.CurrentUnitID != 0 && !Db.UnitExists(Db.CurrentUnitID)) {
        Gone << QStringLiteral("the unit %1").arg(SourceText(FSource->ShownUnitName()));
        // The text stays to be read; the next navigation loads whatever it asks for.
        FSource->ForgetShownUnit(false);
        if (SourcePageActive()) ClearStatusBar();
    }
    if (FClassInfo->ClassID() != 0 && !Db.ClassExists(FClassInfo->ClassID())) {
        Gone << QStringLiteral("the class %1").arg(SourceText(FClassInfo->ClassName()));
        FClassInfo->Clear();
        if (PageActive(ClassInfoTabSheet())) ClearStatusBar();
    }
    FDescendants->Invalidate();
    ForgetRemovedUnits();
    FSelectors->Refill();
    FollowRereadUnits();
    if (!Gone.isEmpty())
        Prompts().ShowMessage(
            QStringLiteral("Another program has removed %1 from the class database").arg(Gone.join(QStringLiteral(" and "))));
}

}  // namespace qm
