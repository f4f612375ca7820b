#include "centrewindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QScreen>
#include <QWidget>

namespace qm {
namespace {

class TCentreFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* Watched, QEvent* Event) override {
        // The show event comes before the window reaches the screen, so it appears in place.
        if (Event->type() == QEvent::Show && Watched->isWidgetType() && static_cast<QWidget*>(Watched)->isWindow())
            CentreOnScreen(*static_cast<QWidget*>(Watched));
        return false;
    }
};

}  // namespace

void CentreOnScreen(QWidget& Window) {
    QScreen* screen = Window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    Window.move(area.left() + (area.width() - Window.width()) / 2, area.top() + (area.height() - Window.height()) / 2);
}

void CentreOnShow(QWidget& Window) {
    Window.installEventFilter(new TCentreFilter(&Window));
}

}  // namespace qm
