// A load's progress in the status bar, the events let through during it, and its stop.
#include "loadprogress.h"

#include <QApplication>
#include <QProgressBar>

#include "errors.h"
#include "paths.h"
#include "sourcetext.h"
#include "statuspanels.h"
#include "vcldb1.h"

namespace qm {

// Holds back the keyboard and the mouse while a load runs. The load lets every other event through:
// a window manager's close request counts as user input to the event loop's own filter, which
// would keep it waiting until the load is over.
class TLoadProgress::TInputHold : public QObject {
public:
    TInputHold() { qApp->installEventFilter(this); }
    ~TInputHold() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* Event) override {
        switch (Event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
        }
    }
};

TLoadProgress::TLoadProgress(TStatusPanels& Status) : FStatus(Status) {}

TLoadProgress::~TLoadProgress() = default;

void TLoadProgress::Begin(TVCLDB& Db, int Units) {
    FDb = &Db;
    FInputHold = std::make_unique<TInputHold>();
    FRemainingUnits = Units;
    FLastName.clear();
    FClock.start();
    QProgressBar& Bar = FStatus.Progress();
    if (Units != 0) {
        Bar.setRange(0, Units);
        Bar.setValue(0);
        Bar.show();
    }
    Db.OnProgress = {[](void* Self, TVCLDB&) { static_cast<TLoadProgress*>(Self)->Step(); }, this};
}

void TLoadProgress::End() {
    if (FDb) FDb->OnProgress = {};
    FDb = nullptr;
    FInputHold.reset();
    FStatus.Progress().hide();
}

// Called at every class and method a load meets, so also all through one large unit.
void TLoadProgress::Step() {
    const std::string Name = FileNamePart(FDb->LoadingFile);
    const bool NewFile = Name != FLastName;
    if (NewFile) {
        if (FRemainingUnits != 0) {
            FStatus.SetText(2, QString::number(FRemainingUnits));
            --FRemainingUnits;
            FStatus.Progress().setValue(FStatus.Progress().maximum() - FRemainingUnits);
        }
        FLastName = Name;
        FStatus.SetText(3, QStringLiteral("Loading Unit %1").arg(SourceText(Name)));
    }
    // Repaints and a close request get through at each file and every few milliseconds within one.
    if (NewFile || FClock.elapsed() >= EventsInterval) {
        QApplication::processEvents();
        FClock.start();
    }
    // Stopping rolls back the load; everything stored before it stays.
    if (FStopRequested) throw EAbort();
}

}  // namespace qm
