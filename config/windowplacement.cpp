#include "windowplacement.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtEndian>
#include <array>

namespace qm {

namespace {

// The window system's numbers.
enum : int32_t {
    ShowNormal = 1,
    ShowMinimized = 2,
    ShowMaximized = 3,
    Minimize = 6,
    ShowMinNoActive = 7,
    RestoreToMaximized = 2,  // flag
};

template <typename TPlacement>
auto FieldsOf(TPlacement& P) {
    return std::array{&P.Length, &P.Flags, &P.ShowCmd, &P.MinX, &P.MinY, &P.MaxX,
                      &P.MaxY,   &P.Left,  &P.Top,     &P.Right, &P.Bottom};
}

bool Minimized(int32_t ShowCmd) {
    return ShowCmd == ShowMinimized || ShowCmd == Minimize || ShowCmd == ShowMinNoActive;
}

QRect OnScreen(const QRect& Rect) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(Rect)) return Rect;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return Rect;
    const QRect area = primary->availableGeometry();
    QRect moved(QPoint(0, 0), Rect.size().boundedTo(area.size()));
    moved.moveCenter(area.center());
    return moved;
}

}  // namespace

QByteArray EncodePlacement(const TWindowPlacement& Placement) {
    QByteArray data(PlacementSize, '\0');
    char* out = data.data();
    for (const int32_t* field : FieldsOf(Placement)) {
        qToLittleEndian(*field, out);
        out += sizeof(int32_t);
    }
    return data;
}

TWindowPlacement DecodePlacement(const QByteArray& Data) {
    TWindowPlacement placement;
    const char* in = Data.constData();
    for (int32_t* field : FieldsOf(placement)) {
        *field = qFromLittleEndian<int32_t>(in);
        in += sizeof(int32_t);
    }
    return placement;
}

TWindowPlacement GetWindowPlacement(const QWidget& Window) {
    TWindowPlacement placement;
    const Qt::WindowStates state = Window.windowState();
    if (state & Qt::WindowMinimized) {
        placement.ShowCmd = ShowMinimized;
        if (state & Qt::WindowMaximized) placement.Flags |= RestoreToMaximized;
    } else if (state & Qt::WindowMaximized) {
        placement.ShowCmd = ShowMaximized;
    }
    // A window maximised before it was ever shown normal has no normal geometry yet.
    QRect normal = Window.normalGeometry();
    if (normal.isEmpty()) normal = Window.geometry();
    placement.Left = normal.left();
    placement.Top = normal.top();
    placement.Right = normal.left() + normal.width();
    placement.Bottom = normal.top() + normal.height();
    return placement;
}

bool SetWindowPlacement(QWidget& Window, const TWindowPlacement& Placement) {
    const int64_t width = int64_t(Placement.Right) - Placement.Left;
    const int64_t height = int64_t(Placement.Bottom) - Placement.Top;
    const auto sane = [](int64_t Value) { return Value > -QWIDGETSIZE_MAX && Value < QWIDGETSIZE_MAX; };
    if (Placement.Length != PlacementSize || width <= 0 || height <= 0) return false;
    if (!sane(Placement.Left) || !sane(Placement.Top) || !sane(Placement.Right) || !sane(Placement.Bottom))
        return false;
    const bool maximized = Placement.ShowCmd == ShowMaximized ||
                           (Minimized(Placement.ShowCmd) && (Placement.Flags & RestoreToMaximized));
    constexpr Qt::WindowStates NotNormal = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    Window.setWindowState(Window.windowState() & ~NotNormal);
    Window.setGeometry(OnScreen(QRect(Placement.Left, Placement.Top, int(width), int(height))));
    if (maximized) Window.setWindowState(Window.windowState() | Qt::WindowMaximized);
    return true;
}

}  // namespace qm
