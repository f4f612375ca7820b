// TTopicPictures: draws the pictures of the topic a text browser shows and remembers where each
// was drawn, so that a click on a picture finds the hotspot under it, wherever the layout put
// the picture (in the line or floating at a margin) and at whatever size it is shown.
#pragma once

#include <QObject>
#include <QRectF>
#include <QTextObjectInterface>
#include <QUrl>
#include <map>
#include <vector>

#include "hlppicture.h"

class QTextBrowser;

namespace qm {

class TTopicPictures : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    // Draws the images of Browser's document from now on; LinkOf gives a hotspot's link.
    TTopicPictures(QTextBrowser* Browser, QUrl (*LinkOf)(const THlpHotspot&));

    // The pictures of the topic now shown, numbered as the document's "picture:N" images.
    void SetPictures(const std::vector<THlpPicture>& Pictures);
    // The link of the hotspot at Point (in the document's coordinates); empty where there is none.
    QUrl LinkAt(const QPointF& Point) const;

    QSizeF intrinsicSize(QTextDocument* Document, int Position, const QTextFormat& Format) override;
    void drawObject(QPainter* Painter, const QRectF& Rect, QTextDocument* Document, int Position,
                    const QTextFormat& Format) override;

private:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void Register();

    QTextBrowser* FBrowser;
    QUrl (*FLinkOf)(const THlpHotspot&);
    std::vector<THlpPicture> FPictures;  // their hotspots and sizes; pixels are the document's
    std::map<int, QRectF> FDrawn;        // picture number -> where it was drawn last
};

}  // namespace qm
