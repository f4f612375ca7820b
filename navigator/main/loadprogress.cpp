// A load's progress in the status bar, the events let through during it, and its stop.
#include "loadprogress.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>
#include <functional>

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
    // Clicks on Cancel (when not null) and the Escape key go to OnCancel.
    TInputHold(QPushButton* Cancel, std::function<void()> OnCancel) : FCancel(Cancel), FOnCancel(std::move(OnCancel)) {
        qApp->installEventFilter(this);
    }
    ~TInputHold() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* Receiver, QEvent* Event) override {
        if (FCancel) {
            if (ForCancel(Receiver, Event)) return false;
            if (Event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Escape) {
                FOnCancel();
                return true;
            }
        }
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

private:
    // A button of the mouse on Cancel. The window system hands it to the top-level window first,
    // which passes it on to the widget under the pointer; a release goes to the widget that took
    // the press, wherever the pointer is by then.
    bool ForCancel(QObject* Receiver, QEvent* Event) const {
        const QEvent::Type Type = Event->type();
        if (Type != QEvent::MouseButtonPress && Type != QEvent::MouseButtonRelease && Type != QEvent::MouseButtonDblClick)
            return false;
        if (Receiver == FCancel) return true;
        QWidget* Top = FCancel->window();
        if (!Receiver->isWindowType() || Receiver != Top->windowHandle()) return false;
        if (Type == QEvent::MouseButtonRelease && FCancel->isDown()) return true;
        const QPoint At = Top->mapFromGlobal(static_cast<QMouseEvent*>(Event)->globalPosition().toPoint());
        return Top->childAt(At) == FCancel;
    }

    QPushButton* FCancel;
    std::function<void()> FOnCancel;
};

TLoadProgress::TLoadProgress(TStatusPanels& Status) : FStatus(Status) {}

TLoadProgress::~TLoadProgress() = default;

void TLoadProgress::Begin(TVCLDB& Db, int Units, bool Cancellable) {
    FDb = &Db;
    FCancelRequested = false;
    QPushButton& Cancel = FStatus.Cancel();
    FInputHold = std::make_unique<TInputHold>(Cancellable ? &Cancel : nullptr, [this] { RequestCancel(); });
    if (Cancellable) {
        FCancelConnection = QObject::connect(&Cancel, &QPushButton::clicked, [this] { RequestCancel(); });
        Cancel.show();
    }
    FRemainingUnits = FUnits = Units;
    FDone = FTotal = 0;
    FLastFile.clear();
    // The first step shows the progress and lets events through at once.
    FEventsClock.invalidate();
    FShowClock.invalidate();
    QProgressBar& Bar = FStatus.Progress();
    if (Units != 0) {
        Bar.setRange(0, Units);
        Bar.setValue(0);
        Bar.show();
    }
    Db.OnProgress = {[](void* Self, TVCLDB&) { static_cast<TLoadProgress*>(Self)->Step(); }, this};
    FMessages.clear();
    Db.OnMessage = {[](void* Self, TVCLDB&, const std::string& Message) {
                        static_cast<TLoadProgress*>(Self)->FMessages << WithLineFeeds(SourceText(Message));
                    },
                    this};
}

void TLoadProgress::End() {
    if (FDb) {
        Show();
        FDb->OnProgress = {};
        FDb->OnMessage = {};
    }
    FDb = nullptr;
    FInputHold.reset();
    QObject::disconnect(FCancelConnection);
    FStatus.Cancel().hide();
    FStatus.Progress().hide();
    FStatus.GiveRoomToLast(false);
}

void TLoadProgress::ShowCount(int Done, int Total) {
    FDone = Done;
    FTotal = Total;
    Tick();
    CheckStop();
}

void TLoadProgress::CheckStop() const {
    if (FStopRequested || FCancelRequested) throw EAbort();
}

// Called at every class and method a load meets, so also all through one large unit.
void TLoadProgress::Step() {
    if (FDb->LoadingFile != FLastFile) {
        FLastFile = FDb->LoadingFile;
        if (FRemainingUnits != 0) --FRemainingUnits;
    }
    Tick();
    // Stopping rolls back the load; everything stored before it stays.
    CheckStop();
}

// Events get through every few milliseconds (a close request, Cancel, repaints), and the status bar
// shows the progress a few times a second.
void TLoadProgress::Tick() {
    if (FEventsClock.isValid() && FEventsClock.elapsed() < EventsInterval) return;
    if (!FShowClock.isValid() || FShowClock.elapsed() >= ShowInterval) {
        Show();
        FShowClock.start();
    }
    QApplication::processEvents();
    FEventsClock.start();
}

// The count in panel 2 (Initialize: the units still to come, the one loading included) or with
// the unit's name in panel 3 (a load of many units: "n of N"), and the progress bar.
void TLoadProgress::Show() {
    QProgressBar& Bar = FStatus.Progress();
    if (FTotal != 0) {
        FStatus.GiveRoomToLast(true);
        if (Bar.maximum() != FTotal) Bar.setRange(0, FTotal);
        Bar.setValue(FDone);
        if (!Bar.isVisible()) Bar.show();
    } else if (FUnits != 0 && FRemainingUnits != FUnits) {
        FStatus.SetText(2, QString::number(FRemainingUnits + 1));
        Bar.setValue(FUnits - FRemainingUnits);
    }
    const QString Count = FTotal != 0 ? QStringLiteral("%1 of %2").arg(FDone).arg(FTotal) : QString();
    if (!FLastFile.empty())
        FStatus.SetText(3, Count, QStringLiteral("Loading Unit "), SourceText(FileNamePart(FLastFile)));
    else if (!Count.isEmpty())
        FStatus.SetText(3, Count, {}, {});
}

}  // namespace qm
