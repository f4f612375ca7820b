#include "windowplacement.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <QRegion>
#include <QWidget>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <optional>

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

// The stored normal rectangle in 64 bits: 32-bit coordinates may lie anywhere, and their
// differences overflow 32 bits. Right and bottom are exclusive.
struct TBounds {
    int64_t Left, Top, Right, Bottom;
    int64_t Width() const { return Right - Left; }
    int64_t Height() const { return Bottom - Top; }
};

TBounds BoundsOf(const QRect& Rect) {
    return {Rect.left(), Rect.top(), int64_t(Rect.left()) + Rect.width(), int64_t(Rect.top()) + Rect.height()};
}

bool Contains(const TBounds& Outer, const TBounds& Inner) {
    return Inner.Left >= Outer.Left && Inner.Top >= Outer.Top && Inner.Right <= Outer.Right &&
           Inner.Bottom <= Outer.Bottom;
}

// The area the rectangle shares with a screen (no larger than the screen's, so the product fits).
int64_t Overlap(const TBounds& Bounds, const TBounds& Screen) {
    const int64_t width = std::min(Bounds.Right, Screen.Right) - std::max(Bounds.Left, Screen.Left);
    const int64_t height = std::min(Bounds.Bottom, Screen.Bottom) - std::max(Bounds.Top, Screen.Top);
    return width > 0 && height > 0 ? width * height : 0;
}

// Whether the screens' working areas together show the whole rectangle (it may span several).
bool FitsOnScreens(const TBounds& Bounds, const QList<QScreen*>& Screens) {
    QRegion shown;
    for (const QScreen* screen : Screens) shown += screen->availableGeometry();
    if (!Contains(BoundsOf(shown.boundingRect()), Bounds)) return false;
    const QRect rect(int(Bounds.Left), int(Bounds.Top), int(Bounds.Width()), int(Bounds.Height()));
    return QRegion(rect).subtracted(shown).isEmpty();
}

// The rectangle as stored when the screens show all of it. Otherwise no larger than the working area
// of the screen that shows most of it, and moved just onto that area; when no screen shows any of it
// (a monitor since removed), in the middle of the primary screen. Nothing without a screen.
std::optional<QRect> OnScreen(const TBounds& Bounds) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (screens.isEmpty() || !primary) return std::nullopt;
    if (FitsOnScreens(Bounds, screens))
        return QRect(int(Bounds.Left), int(Bounds.Top), int(Bounds.Width()), int(Bounds.Height()));
    const QScreen* best = nullptr;
    int64_t most = 0;
    for (const QScreen* screen : screens) {
        const int64_t overlap = Overlap(Bounds, BoundsOf(screen->availableGeometry()));
        if (overlap > most) {
            most = overlap;
            best = screen;
        }
    }
    const QRect area = (best ? best : primary)->availableGeometry();
    QRect placed(0, 0, int(std::min<int64_t>(Bounds.Width(), area.width())),
                 int(std::min<int64_t>(Bounds.Height(), area.height())));
    if (!best) {
        placed.moveCenter(area.center());
        return placed;
    }
    const TBounds room = BoundsOf(area);
    placed.moveTo(int(std::clamp<int64_t>(Bounds.Left, room.Left, room.Right - placed.width())),
                  int(std::clamp<int64_t>(Bounds.Top, room.Top, room.Bottom - placed.height())));
    return placed;
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
    const TBounds bounds{Placement.Left, Placement.Top, Placement.Right, Placement.Bottom};
    if (Placement.Length != PlacementSize || bounds.Width() <= 0 || bounds.Height() <= 0) return false;
    const std::optional<QRect> normal = OnScreen(bounds);
    if (!normal) return false;
    const bool maximized = Placement.ShowCmd == ShowMaximized ||
                           (Minimized(Placement.ShowCmd) && (Placement.Flags & RestoreToMaximized));
    constexpr Qt::WindowStates NotNormal = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    Window.setWindowState(Window.windowState() & ~NotNormal);
    Window.setGeometry(*normal);
    if (maximized) Window.setWindowState(Window.windowState() | Qt::WindowMaximized);
    return true;
}

}  // namespace qm
