#include "hierarchypdf.h"

#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <fstream>

#include "errors.h"
#include "sourcetext.h"

namespace qm {

namespace {

// Below this the names would be too small to read on paper: the tree is then split across pages
// by rows and cut at the right edge (deep trees are rare; the SVG has all of it).
constexpr double MinimumScale = 0.55;

}  // namespace

int WriteHierarchyPdf(const std::vector<THierarchyNode>& Nodes, const std::string& FileName, const std::string& Title) {
    const THierarchyLayout L = LayOutHierarchy(Nodes);
    const QString File = QString::fromLocal8Bit(FileName.c_str());
    {
        // QPdfWriter says nothing of a file it cannot open: ask first.
        QFile Probe(File);
        if (!Probe.open(QIODevice::WriteOnly)) throw Exception("Cannot write " + FileName + ": " + Probe.errorString().toStdString());
    }
    QPdfWriter Writer(File);
    Writer.setTitle(SourceText(Title));
    Writer.setCreator(QStringLiteral("Quillmap 2"));
    Writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    Writer.setResolution(72);  // one unit a point, as the layout counts
    QPainter Painter;
    if (!Painter.begin(&Writer)) throw Exception("Cannot write " + FileName);
    const QRectF Page = Writer.pageLayout().paintRect(QPageLayout::Point);
    // The whole tree on one page where that keeps it readable.
    const double Scale = std::max(MinimumScale, std::min({1.0, Page.width() / L.Width, Page.height() / L.Height}));
    // The last row of a page needs no gap below it.
    const double Gap = L.Boxes.empty() ? 0 : L.RowHeight - L.Boxes.front().Height;
    const int RowsPerPage = std::max(1, int(std::floor((Page.height() / Scale - 2 * L.Margin + Gap) / L.RowHeight + 1e-9)));
    const int Rows = int(L.Boxes.size());
    const int Pages = std::max(1, (Rows + RowsPerPage - 1) / RowsPerPage);
    QFont Font(QStringLiteral("Liberation Mono"));
    Font.setStyleHint(QFont::TypeWriter);
    Font.setPointSizeF(L.FontSize);
    Painter.setFont(Font);
    for (int P = 0; P < Pages; ++P) {
        if (P > 0) Writer.newPage();
        const int First = P * RowsPerPage, Last = std::min(Rows, First + RowsPerPage);
        Painter.save();
        Painter.scale(Scale, Scale);
        // This page's rows at its top; lines from ancestors on earlier pages come in from above.
        Painter.translate(0, -(L.Margin + First * L.RowHeight) + L.Margin);
        Painter.setClipRect(QRectF(0, L.Margin + First * L.RowHeight - L.Margin, Page.width() / Scale,
                                   (Last - First) * L.RowHeight + L.Margin));
        Painter.setPen(QPen(QColor(0x66, 0x66, 0x66), 0.8));
        for (int i = First; i < Last; ++i) {
            const THierarchyBox& B = L.Boxes[size_t(i)];
            if (B.Parent < 0) continue;
            const THierarchyBox& A = L.Boxes[size_t(B.Parent)];
            const double Down = (A.X + B.X) / 2;
            QPainterPath Edge(QPointF(Down, A.Y + A.Height));
            Edge.lineTo(Down, B.Y + B.Height / 2);
            Edge.lineTo(B.X, B.Y + B.Height / 2);
            Painter.drawPath(Edge);
        }
        for (int i = First; i < Last; ++i) {
            const THierarchyBox& B = L.Boxes[size_t(i)];
            const QRectF Box(B.X, B.Y, B.Width, B.Height);
            Painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 0.8));
            Painter.setBrush(QColor(0xff, 0xff, 0xf0));
            Painter.drawRect(Box);
            Painter.setPen(Qt::black);
            const THierarchyNode& N = Nodes[size_t(i)];
            const double Baseline = B.Y + B.Height - 3;
            Painter.drawText(QPointF(B.X + L.Padding, Baseline), SourceText(N.Name));
            Painter.setPen(QColor(0x55, 0x55, 0x55));
            Painter.drawText(QPointF(B.X + L.UnitOffset(N), Baseline), SourceText(N.Unit));
        }
        Painter.restore();
    }
    if (!Painter.end()) throw Exception("Cannot write " + FileName);
    return Pages;
}

int WriteHierarchy(const std::vector<THierarchyNode>& Nodes, const std::string& FileName, THierarchyFormat Format,
                   const std::string& Title) {
    if (Format == THierarchyFormat::Pdf) return WriteHierarchyPdf(Nodes, FileName, Title);
    const std::string Svg = HierarchySvg(Nodes);
    std::ofstream File(FileName, std::ios::binary);
    File << Svg;
    File.close();
    if (!File) throw Exception("Cannot write " + FileName);
    return 1;
}

}  // namespace qm
