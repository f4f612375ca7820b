// The span of a load in the window, shared by the commands that load units: the progress shows,
// other commands wait, and a close asked for meanwhile ends the program once the load is over.
#pragma once

#include <QTimer>

#include "descendantspage.h"
#include "loadprogress.h"
#include "main1.h"

namespace qm {

// While a load runs the window repaints and takes a close request, but starts no other command.
class TClassNav::TLoadScope {
public:
    TLoadScope(TClassNav& Window, int Units, bool Cancellable = false) : FWindow(Window) {
        FWindow.FLoad->Begin(FWindow.VCLDB(), Units, Cancellable);
    }
    ~TLoadScope() {
        FWindow.FLoad->End();
        // New units may have brought new descendants.
        FWindow.FDescendants->Invalidate();
        // A close asked for during the load ends the program now that the load is over.
        if (FWindow.FLoad->StopRequested()) QTimer::singleShot(0, &FWindow, [W = &FWindow] { W->close(); });
    }
    TLoadScope(const TLoadScope&) = delete;
    TLoadScope& operator=(const TLoadScope&) = delete;

private:
    TClassNav& FWindow;
};

}  // namespace qm
