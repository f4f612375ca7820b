// The progress of a load (Add Unit, Add Folder, Initialize): the status bar's count and unit name,
// the events that get through while it runs, and the stop a close request or Cancel asks for.
#pragma once

#include <QElapsedTimer>
#include <QMetaObject>
#include <QStringList>
#include <memory>
#include <string>

namespace qm {

class TStatusPanels;
class TVCLDB;

class TLoadProgress {
public:
    explicit TLoadProgress(TStatusPanels& Status);
    ~TLoadProgress();

    // A load of Db starts: its progress is shown from now on, counting down from Units when Units
    // is not 0. Keys and clicks are held back until End; repaints and a close request get through,
    // and when Cancellable the Cancel button beside the progress bar and the Escape key too.
    void Begin(TVCLDB& Db, int Units, bool Cancellable = false);
    // The load is over: the status bar keeps its last progress text until the window next idles.
    void End();
    bool Loading() const { return FDb != nullptr; }
    // The load stops at its next step (its writes are rolled back); asked by a close request.
    void RequestStop() { FStopRequested = true; }
    bool StopRequested() const { return FStopRequested; }
    // The load stops at its next step, asked by the Cancel button or Escape; what it has stored
    // so far is the caller's to keep.
    void RequestCancel() { FCancelRequested = true; }
    // A load of many units is at Done of Total; shown with the unit's name on the next tick of the
    // clock. EAbort when a stop or a cancel was asked for.
    void ShowCount(int Done, int Total);
    // What the class database told during the last load (members refused for a name taken,
    // classes passed over), one line each; kept until the next load begins.
    const QStringList& Messages() const { return FMessages; }
    // The units Initialize has still to announce.
    int RemainingUnits() const { return FRemainingUnits; }

private:
    void Step();
    void Tick();
    void Show();
    void CheckStop() const;

    TStatusPanels& FStatus;
    TVCLDB* FDb = nullptr;
    class TInputHold;
    std::unique_ptr<TInputHold> FInputHold;
    // The load only records its progress; the status bar is painted and events get through on a
    // clock, so that neither costs the load more than a small part of its time, however many
    // units or classes it meets.
    QElapsedTimer FEventsClock;     // since events last got through
    QElapsedTimer FShowClock;       // since the progress was last put in the status bar
    int FRemainingUnits = 0;
    int FUnits = 0;                 // the count Initialize started from
    int FDone = 0, FTotal = 0;      // of a load of many units
    std::string FLastFile;          // the file announced last
    bool FStopRequested = false;
    bool FCancelRequested = false;
    QStringList FMessages;
    QMetaObject::Connection FCancelConnection;
    static constexpr int EventsInterval = 15;  // milliseconds
    static constexpr int ShowInterval = 100;   // milliseconds
};

}  // namespace qm
