// Draws the records of a Windows metafile (a help picture's) through QPainter: the window and
// viewport, pens, brushes and fonts, lines, polylines, polygons, rectangles, ellipses and text.
// Records of other kinds are passed over; damaged records end the drawing, never the program.
#pragma once

#include <QImage>
#include <QSize>
#include <string_view>

namespace qm {

// The metafile Records (from its header on) drawn into an image of Size, white where it draws
// nothing; its window (the logical extents it sets) fills the image.
QImage MetafileImage(std::string_view Records, QSize Size);

}  // namespace qm
