// A load's progress in the status bar, the events let through during it, and its stop.
#include "loadprogress.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
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
    TInputHold(QWidget* Cancel, std::function<void()> OnCancel) : FCancel(Cancel), FOnCancel(std::move(OnCancel)) {
        qApp->installEventFilter(this);
    }
    ~TInputHold() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* Receiver, QEvent* Event) override {
        if (FCancel) {
            if (Receiver == FCancel && (Event->type() == QEvent::MouseButtonPress ||
                                        Event->type() == QEvent::MouseButtonRelease || Event->type() == QEvent::Enter ||
                                        Event->type() == QEvent::Leave))
                return false;
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
    QWidget* FCancel;
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
    FMessages.clear();
    Db.OnMessage = {[](void* Self, TVCLDB&, const std::string& Message) {
                        static_cast<TLoadProgress*>(Self)->FMessages << WithLineFeeds(SourceText(Message));
                    },
                    this};
}

void TLoadProgress::End() {
    if (FDb) FDb->OnProgress = {};
    if (FDb) FDb->OnMessage = {};
    FDb = nullptr;
    FInputHold.reset();
    QObject::disconnect(FCancelConnection);
    FStatus.Cancel().hide();
    FStatus.Progress().hide();
}

void TLoadProgress::ShowCount(int Done, int Total) {
    QProgressBar& Bar = FStatus.Progress();
    Bar.setRange(0, Total);
    Bar.setValue(Done);
    Bar.show();
    FStatus.SetText(2, QStringLiteral("%1 of %2").arg(Done).arg(Total));
    QApplication::processEvents();
    FClock.start();
    CheckStop();
}

void TLoadProgress::CheckStop() const {
    if (FStopRequested || FCancelRequested) throw EAbort();
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
    CheckStop();
}

}  // namespace qm
