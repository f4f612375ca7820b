// The window system's placement record (44 bytes, little-endian 32-bit fields) built from a Qt
// window's normal geometry and state, and applied back to one.
#pragma once

#include <cstdint>

class QByteArray;
class QWidget;

namespace qm {

inline constexpr int32_t PlacementSize = 44;

struct TWindowPlacement {
    int32_t Length = PlacementSize;
    int32_t Flags = 0;
    int32_t ShowCmd = 1;
    int32_t MinX = -1, MinY = -1;  // iconic position: none
    int32_t MaxX = -1, MaxY = -1;  // maximised position: none
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;  // normal rectangle, right and bottom exclusive

    bool operator==(const TWindowPlacement&) const = default;
};

QByteArray EncodePlacement(const TWindowPlacement& Placement);
// Data must hold PlacementSize bytes.
TWindowPlacement DecodePlacement(const QByteArray& Data);

// The rectangle is Qt's normal geometry of the window.
TWindowPlacement GetWindowPlacement(const QWidget& Window);
// False, leaving the window alone, when the record cannot be applied: a length field other than 44,
// an empty normal rectangle, no screen. A rectangle the screens do not show whole is made no larger
// than the working area of the screen that shows most of it and moved onto it; one entirely off the
// screens goes to the middle of the primary screen. A minimised window comes back as it was before.
bool SetWindowPlacement(QWidget& Window, const TWindowPlacement& Placement);

}  // namespace qm
