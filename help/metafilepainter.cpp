// A record is its size in 16-bit words, its function number and its parameters, words of which
// points give y before x. Objects (pens, brushes, fonts) take the lowest free slot of a table and
// are selected or deleted by slot; nothing is drawn until a window is known, the image's own
// size standing in when the metafile sets none.
#include "metafilepainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <functional>
#include <variant>
#include <vector>

namespace qm {

namespace {

enum : uint16_t {
    MfEof = 0x0000,
    MfSaveDc = 0x001E,
    MfSetBkMode = 0x0102,
    MfSetPolyFillMode = 0x0106,
    MfRestoreDc = 0x0127,
    MfSelectObject = 0x012D,
    MfSetTextAlign = 0x012E,
    MfDeleteObject = 0x01F0,
    MfSetBkColor = 0x0201,
    MfSetTextColor = 0x0209,
    MfSetWindowOrg = 0x020B,
    MfSetWindowExt = 0x020C,
    MfLineTo = 0x0213,
    MfMoveTo = 0x0214,
    MfCreatePen = 0x02FA,
    MfCreateFont = 0x02FB,
    MfCreateBrush = 0x02FC,
    MfPolygon = 0x0324,
    MfPolyline = 0x0325,
    MfEllipse = 0x0418,
    MfRectangle = 0x041B,
    MfTextOut = 0x0521,
    MfPolyPolygon = 0x0538,
    MfRoundRect = 0x061C,
    MfExtTextOut = 0x0A32,
};

using TObject = std::variant<std::monostate, QPen, QBrush, QFont>;

// Drawing state that SaveDC keeps and RestoreDC brings back.
struct TState {
    QPen Pen{Qt::black, 0};
    QBrush Brush{Qt::white};
    QFont Font;
    QColor TextColour{Qt::black};
    QColor Background{Qt::white};
    bool Opaque = true;
    unsigned TextAlign = 0;
    Qt::FillRule Fill = Qt::OddEvenFill;
    QPointF Position;
    QPointF WindowOrg;
    QSizeF WindowExt;
};

QColor ColourOf(uint32_t Ref) { return QColor(int(Ref & 0xFF), int((Ref >> 8) & 0xFF), int((Ref >> 16) & 0xFF)); }

class TPlayer {
public:
    TPlayer(QPainter& Painter, QSize Size) : FPainter(Painter), FSize(Size) {
        FState.WindowExt = QSizeF(Size);
        FState.Font.setFamily("Arial");
        FState.Font.setPixelSize(12);
        Apply();
    }

    // One record's parameters; false at the end of the metafile.
    bool Play(uint16_t Function, const std::vector<int16_t>& P) {
        auto at = [&](size_t I) { return I < P.size() ? P[I] : int16_t(0); };
        auto point = [&](size_t I) { return QPointF(at(I + 1), at(I)); };  // y first
        auto box = [&]() { return QRectF(QPointF(at(3), at(2)), QPointF(at(1), at(0))).normalized(); };
        auto u32 = [&](size_t I) { return uint32_t(uint16_t(at(I))) | uint32_t(uint16_t(at(I + 1))) << 16; };
        switch (Function) {
            case MfEof: return false;
            case MfSaveDc: FSaved.push_back(FState); break;
            case MfRestoreDc:
                if (!FSaved.empty()) FState = FSaved.back(), FSaved.pop_back(), Apply();
                break;
            case MfSetBkMode: FState.Opaque = at(0) == 2; break;
            case MfSetPolyFillMode: FState.Fill = at(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill; break;
            case MfSetTextAlign: FState.TextAlign = uint16_t(at(0)); break;
            case MfSetBkColor: FState.Background = ColourOf(u32(0)); break;
            case MfSetTextColor: FState.TextColour = ColourOf(u32(0)); break;
            case MfSetWindowOrg: FState.WindowOrg = point(0), Apply(); break;
            case MfSetWindowExt: FState.WindowExt = QSizeF(at(1), at(0)), Apply(); break;
            case MfMoveTo: FState.Position = point(0); break;
            case MfLineTo:
                FPainter.setPen(FState.Pen);
                FPainter.drawLine(FState.Position, point(0));
                FState.Position = point(0);
                break;
            case MfCreatePen: {
                const unsigned style = uint16_t(at(0)) & 0x0F;
                QPen pen(ColourOf(u32(3)), std::max<int>(at(1), 0));
                pen.setStyle(style == 5 ? Qt::NoPen : style == 1 ? Qt::DashLine : style == 2 ? Qt::DotLine
                             : style == 3 ? Qt::DashDotLine : style == 4 ? Qt::DashDotDotLine : Qt::SolidLine);
                Add(pen);
                break;
            }
            case MfCreateBrush: {
                const unsigned style = uint16_t(at(0));
                QBrush brush(ColourOf(u32(1)), style == 1 ? Qt::NoBrush : style == 2 ? HatchOf(uint16_t(at(3))) : Qt::SolidPattern);
                Add(brush);
                break;
            }
            case MfCreateFont: Add(FontOf(P)); break;
            case MfSelectObject: Select(uint16_t(at(0))); break;
            case MfDeleteObject:
                if (size_t(uint16_t(at(0))) < FObjects.size()) FObjects[uint16_t(at(0))] = std::monostate{};
                break;
            case MfRectangle: Shape([&](QPainterPath& Path) { Path.addRect(box()); }); break;
            case MfRoundRect: {
                const QRectF r = QRectF(QPointF(at(5), at(4)), QPointF(at(3), at(2))).normalized();
                Shape([&](QPainterPath& Path) { Path.addRoundedRect(r, std::abs(at(1)) / 2.0, std::abs(at(0)) / 2.0); });
                break;
            }
            case MfEllipse: Shape([&](QPainterPath& Path) { Path.addEllipse(box()); }); break;
            case MfPolygon: case MfPolyline: {
                const QPolygonF points = Points(P, 1, size_t(std::max<int>(at(0), 0)));
                if (Function == MfPolygon) Shape([&](QPainterPath& Path) { Path.addPolygon(points), Path.closeSubpath(); });
                else FPainter.setPen(FState.Pen), FPainter.drawPolyline(points);
                break;
            }
            case MfPolyPolygon: {
                const size_t count = size_t(std::max<int>(at(0), 0));
                size_t next = 1 + count;
                Shape([&](QPainterPath& Path) {
                    for (size_t i = 0; i < count; ++i) {
                        const size_t n = size_t(std::max<int>(at(1 + i), 0));
                        Path.addPolygon(Points(P, next, n)), Path.closeSubpath();
                        next += 2 * n;
                    }
                });
                break;
            }
            case MfTextOut: {
                const size_t n = size_t(std::max<int>(at(0), 0)), words = (n + 1) / 2;
                Text(point(1 + words), Bytes(P, 1, n));
                break;
            }
            case MfExtTextOut: {
                const size_t n = size_t(std::max<int>(at(2), 0));
                const bool rect = uint16_t(at(3)) & 0x0006;  // opaque or clipped: a rectangle follows
                Text(point(0), Bytes(P, rect ? 8 : 4, n));
                break;
            }
            default: break;
        }
        return true;
    }

private:
    static Qt::BrushStyle HatchOf(unsigned Hatch) {
        static const Qt::BrushStyle styles[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return Hatch < 6 ? styles[Hatch] : Qt::SolidPattern;
    }

    // Height (negative: of the characters alone), width, two angles, weight, then a byte each for
    // italic, underline, strike-out, character set and four more, then the face name.
    static QFont FontOf(const std::vector<int16_t>& P) {
        QFont font;
        const int height = P.empty() ? 12 : std::abs(P[0]);
        font.setPixelSize(std::max(height, 1));
        if (P.size() > 4) font.setWeight(P[4] >= 700 ? QFont::Bold : QFont::Normal);
        if (P.size() > 5) font.setItalic(P[5] & 0xFF), font.setUnderline((P[5] >> 8) & 0xFF);
        if (P.size() > 6) font.setStrikeOut(P[6] & 0xFF);
        const std::string face = Bytes(P, 9, 32);
        font.setFamily(face.empty() ? QString("Arial") : QString::fromLatin1(face.c_str()));
        return font;
    }

    // Count bytes of the words from word First on, up to a zero byte.
    static std::string Bytes(const std::vector<int16_t>& P, size_t First, size_t Count) {
        std::string out;
        for (size_t i = 0; i < Count && First + i / 2 < P.size(); ++i) {
            const char c = char(i % 2 == 0 ? P[First + i / 2] & 0xFF : (P[First + i / 2] >> 8) & 0xFF);
            if (c == '\0') break;
            out += c;
        }
        return out;
    }

    static QPolygonF Points(const std::vector<int16_t>& P, size_t First, size_t Count) {
        QPolygonF points;
        for (size_t i = 0; i < Count && First + 2 * i + 1 < P.size(); ++i) points << QPointF(P[First + 2 * i], P[First + 2 * i + 1]);
        return points;
    }

    void Add(TObject Object) {
        auto free = std::find_if(FObjects.begin(), FObjects.end(), [](const TObject& O) { return O.index() == 0; });
        if (free != FObjects.end()) *free = std::move(Object);
        else if (FObjects.size() < 0xFFFF) FObjects.push_back(std::move(Object));
    }

    void Select(size_t Slot) {
        if (Slot >= FObjects.size()) return;
        if (auto* pen = std::get_if<QPen>(&FObjects[Slot])) FState.Pen = *pen;
        if (auto* brush = std::get_if<QBrush>(&FObjects[Slot])) FState.Brush = *brush;
        if (auto* font = std::get_if<QFont>(&FObjects[Slot])) FState.Font = *font;
    }

    // The window's extents fill the image.
    void Apply() {
        const QSizeF ext = FState.WindowExt;
        if (ext.width() == 0 || ext.height() == 0) return;
        const double sx = FSize.width() / ext.width(), sy = FSize.height() / ext.height();
        FPainter.setTransform(QTransform(sx, 0, 0, sy, -FState.WindowOrg.x() * sx, -FState.WindowOrg.y() * sy));
    }

    void Shape(const std::function<void(QPainterPath&)>& Build) {
        QPainterPath path;
        path.setFillRule(FState.Fill);
        Build(path);
        FPainter.setPen(FState.Pen);
        FPainter.setBrush(FState.Brush);
        FPainter.drawPath(path);
    }

    // Text at At, placed by the text alignment: left, right or centred; top, bottom or baseline.
    void Text(QPointF At, const std::string& Bytes) {
        if (Bytes.empty()) return;
        const QString text = QString::fromLatin1(Bytes.data(), qsizetype(Bytes.size()));
        const QFontMetricsF metrics(FState.Font);
        const double width = metrics.horizontalAdvance(text);
        const unsigned h = FState.TextAlign & 0x06, v = FState.TextAlign & 0x18;
        const double x = h == 2 ? At.x() - width : h == 6 ? At.x() - width / 2 : At.x();
        const double top = v == 24 ? At.y() - metrics.ascent() : v == 8 ? At.y() - metrics.height() : At.y();
        const QRectF box(x, top, width, metrics.height());
        if (FState.Opaque) FPainter.fillRect(box, FState.Background);
        FPainter.setFont(FState.Font);
        FPainter.setPen(FState.TextColour);
        FPainter.drawText(QPointF(x, top + metrics.ascent()), text);
    }

    QPainter& FPainter;
    QSize FSize;
    TState FState;
    std::vector<TState> FSaved;
    std::vector<TObject> FObjects;
};

uint32_t U32At(std::string_view B, size_t At) {
    return uint32_t(uint8_t(B[At])) | uint32_t(uint8_t(B[At + 1])) << 8 | uint32_t(uint8_t(B[At + 2])) << 16 |
           uint32_t(uint8_t(B[At + 3])) << 24;
}

}  // namespace

QImage MetafileImage(std::string_view Records, QSize Size) {
    QImage image(Size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    TPlayer player(painter, Size);
    constexpr size_t HeaderSize = 18, MaxRecords = 1 << 20;
    size_t at = HeaderSize;
    for (size_t n = 0; n < MaxRecords && at + 6 <= Records.size(); ++n) {
        const uint32_t words = U32At(Records, at);
        if (words < 3 || words > (Records.size() - at) / 2) break;
        const uint16_t function = uint16_t(uint8_t(Records[at + 4]) | uint8_t(Records[at + 5]) << 8);
        std::vector<int16_t> parameters;
        parameters.reserve(words - 3);
        for (size_t i = 0; i < words - 3; ++i)
            parameters.push_back(int16_t(uint8_t(Records[at + 6 + 2 * i]) | uint8_t(Records[at + 7 + 2 * i]) << 8));
        if (!player.Play(function, parameters)) break;
        at += size_t(words) * 2;
    }
    return image;
}

}  // namespace qm
