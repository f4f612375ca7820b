// The text layout places images, floating ones included, and hands their rectangle to the
// object that draws them: that rectangle is the only place that knows where a picture is.
#include "topicpictures.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFormat>

namespace qm {

namespace {

// The number N of an image named "picture:N"; -1 for any other image.
int PictureNumber(const QTextFormat& Format) {
    const QString name = Format.toImageFormat().name();
    if (!name.startsWith("picture:")) return -1;
    bool ok = false;
    const int n = name.mid(8).toInt(&ok);
    return ok ? n : -1;
}

}  // namespace

TTopicPictures::TTopicPictures(QTextBrowser* Browser, QUrl (*LinkOf)(const THlpHotspot&))
    : QObject(Browser), FBrowser(Browser), FLinkOf(LinkOf) {
    Register();
    Browser->viewport()->installEventFilter(this);
}

void TTopicPictures::Register() {
    FBrowser->document()->documentLayout()->registerHandler(QTextFormat::ImageObject, this);
}

void TTopicPictures::SetPictures(const std::vector<THlpPicture>& Pictures) {
    FPictures.clear();
    for (const THlpPicture& p : Pictures) {
        THlpPicture kept;
        kept.Width = p.Width, kept.Height = p.Height, kept.Hotspots = p.Hotspots;
        FPictures.push_back(std::move(kept));
    }
    FDrawn.clear();
    Register();  // again, should the document have been given a new layout
}

QSizeF TTopicPictures::intrinsicSize(QTextDocument* Document, int, const QTextFormat& Format) {
    const QTextImageFormat image = Format.toImageFormat();
    if (image.width() > 0 && image.height() > 0) return {image.width(), image.height()};
    return Document->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>().size();
}

void TTopicPictures::drawObject(QPainter* Painter, const QRectF& Rect, QTextDocument* Document, int,
                                const QTextFormat& Format) {
    const QImage image = Document->resource(QTextDocument::ImageResource, QUrl(Format.toImageFormat().name())).value<QImage>();
    if (!image.isNull()) Painter->drawImage(Rect, image);
    const int n = PictureNumber(Format);
    if (n >= 0) FDrawn[n] = Rect;
}

QUrl TTopicPictures::LinkAt(const QPointF& Point) const {
    for (const auto& [n, rect] : FDrawn) {
        if (!rect.contains(Point) || size_t(n) >= FPictures.size()) continue;
        const THlpPicture& p = FPictures[size_t(n)];
        if (p.Width <= 0 || p.Height <= 0) continue;
        // In the picture's own pixels, whatever size it is shown at.
        const double x = (Point.x() - rect.left()) * p.Width / rect.width();
        const double y = (Point.y() - rect.top()) * p.Height / rect.height();
        for (const THlpHotspot& h : p.Hotspots)
            if (h.JumpHash != 0 && x >= h.X && x < h.X + h.Width && y >= h.Y && y < h.Y + h.Height) return FLinkOf(h);
    }
    return {};
}

// A click on the viewport, in the document's coordinates.
bool TTopicPictures::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched != FBrowser->viewport() || Event->type() != QEvent::MouseButtonRelease) return false;
    auto* mouse = static_cast<QMouseEvent*>(Event);
    const QPointF at = mouse->position() + QPointF(FBrowser->horizontalScrollBar()->value(), FBrowser->verticalScrollBar()->value());
    const QUrl link = LinkAt(at);
    if (link.isEmpty() || mouse->button() != Qt::LeftButton) return false;
    emit FBrowser->anchorClicked(link);
    return true;
}

}  // namespace qm
