#include "hierarchypdf.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "errors.h"
#include "savefile.h"
#include "sourcetext.h"

namespace qm {

namespace {

using L = THierarchyLayout;

// The layout's 10 points are printed between 9 and 12 points: as wide as the page allows.
constexpr double MinimumScale = 0.9;
constexpr double MaximumScale = 1.2;

// The rows of one page: the ancestors repeated at its top, then the classes First to Last - 1.
struct TPage {
    std::vector<int> Ancestors;
    int First = 0, Last = 0;
};

// Each page after the first repeats the ancestors of its first class (at most a third of a
// page of them, the nearest ones), so that no line comes from nowhere.
std::vector<TPage> SplitIntoPages(const THierarchyLayout& Layout, int RowsPerPage) {
    std::vector<TPage> Pages;
    const int Rows = int(Layout.Boxes.size());
    int First = 0;
    do {
        TPage Page;
        Page.First = First;
        if (First > 0)
            for (int A = Layout.Boxes[size_t(First)].Parent; A >= 0 && int(Page.Ancestors.size()) < RowsPerPage / 3;
                 A = Layout.Boxes[size_t(A)].Parent)
                Page.Ancestors.push_back(A);
        std::reverse(Page.Ancestors.begin(), Page.Ancestors.end());
        Page.Last = std::min(Rows, First + RowsPerPage - int(Page.Ancestors.size()));
        First = Page.Last;
        Pages.push_back(std::move(Page));
    } while (First < Rows);
    return Pages;
}

class TPagePainter {
public:
    TPagePainter(QPainter& Painter, const std::vector<THierarchyNode>& Nodes, const THierarchyLayout& Layout)
        : FPainter(Painter), FNodes(Nodes), FLayout(Layout) {
        FFont.setFamily(QStringLiteral("Liberation Mono"));
        FFont.setStyleHint(QFont::TypeWriter);
        FFont.setPointSizeF(L::FontSize);
        FTitleFont.setFamily(QStringLiteral("Liberation Sans"));
        FTitleFont.setStyleHint(QFont::SansSerif);
        FTitleFont.setPointSizeF(L::TitleSize);
        FTitleFont.setBold(true);
    }

    void Draw(const TPage& Page, const QString& Title, const QString& PageNumber, double Right) {
        FPainter.setFont(FTitleFont);
        FPainter.setPen(Qt::black);
        FPainter.drawText(QPointF(L::Margin, L::TitleBaseline()), Title);
        if (!PageNumber.isEmpty()) {
            FPainter.setFont(FFont);
            FPainter.drawText(QRectF(L::Margin, L::Margin, Right - 2 * L::Margin, L::TitleSize + 2),
                              Qt::AlignRight | Qt::AlignBottom, PageNumber);
        }
        // The slot of each class on the page: the repeated ancestors first.
        const auto SlotOf = [&](int Index) -> int {
            if (Index >= Page.First && Index < Page.Last) return int(Page.Ancestors.size()) + Index - Page.First;
            const auto At = std::find(Page.Ancestors.begin(), Page.Ancestors.end(), Index);
            return At == Page.Ancestors.end() ? -1 : int(At - Page.Ancestors.begin());
        };
        const auto Top = [&](int Slot) { return FLayout.Top + Slot * FLayout.RowHeight; };
        // A page of a chain deeper than the page is wide starts at its own shallowest class.
        double Left = Page.Ancestors.empty() ? FLayout.Boxes[size_t(Page.First)].X
                                              : FLayout.Boxes[size_t(Page.Ancestors.front())].X;
        for (int i = Page.First; i < Page.Last; ++i) Left = std::min(Left, FLayout.Boxes[size_t(i)].X);
        FPainter.save();
        FPainter.translate(L::Margin - Left, 0);
        FPainter.setPen(QPen(QColor(0x66, 0x66, 0x66), 0.8));
        FPainter.setBrush(Qt::NoBrush);
        for (int i = Page.First; i < Page.Last; ++i) {
            const THierarchyBox& B = FLayout.Boxes[size_t(i)];
            if (B.Parent < 0) continue;
            const THierarchyBox& A = FLayout.Boxes[size_t(B.Parent)];
            const int From = SlotOf(B.Parent);
            // An ancestor left off the page: the line comes in from above the rows.
            const double Start = From < 0 ? FLayout.Top - (FLayout.RowHeight - L::BoxHeight) : Top(From) + A.Height;
            const double Down = A.X + L::Indent / 2, Middle = Top(SlotOf(i)) + B.Height / 2;
            QPainterPath Edge(QPointF(Down, Start));
            Edge.lineTo(Down, Middle);
            Edge.lineTo(B.X, Middle);
            FPainter.drawPath(Edge);
        }
        // Dashed lines between an interface and its implementers where both stand on the page.
        FPainter.setPen(QPen(QColor(0x66, 0x66, 0x66), 0.8, Qt::DashLine));
        for (int i = Page.First; i < Page.Last; ++i)
            for (const size_t C : FNodes[size_t(i)].Implementers) {
                const int Slot = SlotOf(int(C));
                if (Slot < 0) continue;
                const auto Points = ImplementsLine(FLayout.Boxes[size_t(i)], FLayout.Boxes[C], Top(SlotOf(i)), Top(Slot));
                QPainterPath Line(QPointF(Points[0][0], Points[0][1]));
                for (size_t k = 1; k < Points.size(); ++k) Line.lineTo(Points[k][0], Points[k][1]);
                FPainter.drawPath(Line);
            }
        for (int i : Page.Ancestors) DrawBox(i, Top(SlotOf(i)), true);
        for (int i = Page.First; i < Page.Last; ++i) DrawBox(i, Top(SlotOf(i)), false);
        FPainter.restore();
    }

private:
    void DrawBox(int Index, double Y, bool Repeated) {
        const THierarchyBox& B = FLayout.Boxes[size_t(Index)];
        const THierarchyNode& N = FNodes[size_t(Index)];
        QPen Outline(N.Exported ? Qt::black : QColor(0x33, 0x33, 0x33), N.Exported ? 2.4 : 0.8);
        if (Repeated) Outline.setStyle(Qt::DashLine);
        FPainter.setPen(Outline);
        FPainter.setBrush(QColor(0xff, 0xff, 0xf0));
        if (N.Interface)
            FPainter.drawRoundedRect(QRectF(B.X, Y, B.Width, B.Height), L::InterfaceRadius, L::InterfaceRadius);
        else
            FPainter.drawRect(QRectF(B.X, Y, B.Width, B.Height));
        const double Baseline = L::Baseline(Y);
        QFont Name = FFont;
        Name.setBold(N.Exported);
        FPainter.setFont(Name);
        FPainter.setPen(Qt::black);
        FPainter.drawText(QPointF(B.X + L::Padding, Baseline), SourceText(N.Name));
        FPainter.setFont(FFont);
        FPainter.setPen(QColor(0x55, 0x55, 0x55));
        FPainter.drawText(QPointF(B.X + L::UnitOffset(N), Baseline), SourceText(N.Unit));
        if (Repeated) FPainter.drawText(QPointF(B.X + B.Width + L::Padding, Baseline), QStringLiteral("(continued)"));
    }

    QPainter& FPainter;
    const std::vector<THierarchyNode>& FNodes;
    const THierarchyLayout& FLayout;
    QFont FFont, FTitleFont;
};

int WriteHierarchyPdf(const std::vector<THierarchyNode>& Nodes, const std::string& FileName, const std::string& Title) {
    const THierarchyLayout Layout = LayOutHierarchy(Nodes, Title);
    QBuffer Bytes;
    Bytes.open(QIODevice::WriteOnly);
    QPdfWriter Writer(&Bytes);
    Writer.setTitle(SourceText(Title));
    Writer.setCreator(QStringLiteral("Quillmap 2"));
    const auto Orientation = Layout.Width > Layout.Height ? QPageLayout::Landscape : QPageLayout::Portrait;
    Writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), Orientation, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    Writer.setResolution(72);  // one unit a point, as the layout counts
    const QRectF Paper = Writer.pageLayout().paintRect(QPageLayout::Point);
    const double Scale = std::clamp(Paper.width() / Layout.Width, MinimumScale, MaximumScale);
    // The last row of a page needs no gap below it.
    const double Room = Paper.height() / Scale - Layout.Top - L::Margin + (Layout.RowHeight - L::BoxHeight);
    const int RowsPerPage = std::max(3, int(std::floor(Room / Layout.RowHeight + 1e-9)));
    const std::vector<TPage> Pages = SplitIntoPages(Layout, RowsPerPage);
    QPainter Painter;
    if (!Painter.begin(&Writer)) throw Exception("Cannot write " + FileName + ": the PDF could not be started");
    Painter.scale(Scale, Scale);
    TPagePainter Page(Painter, Nodes, Layout);
    for (size_t P = 0; P < Pages.size(); ++P) {
        if (P > 0) Writer.newPage();
        const QString Number = Pages.size() > 1 ? QStringLiteral("page %1 of %2").arg(P + 1).arg(Pages.size()) : QString();
        Page.Draw(Pages[P], SourceText(Title), Number, Paper.width() / Scale);
    }
    Painter.end();
    WriteFileWhole(FileName, Bytes.data());
    return int(Pages.size());
}

}  // namespace

int WriteHierarchy(const std::vector<THierarchyNode>& Nodes, const std::string& FileName, THierarchyFormat Format,
                   const std::string& ClassName) {
    const std::string Title = HierarchyTitle(ClassName);
    if (Format == THierarchyFormat::Pdf) return WriteHierarchyPdf(Nodes, FileName, Title);
    WriteFileWhole(FileName, QByteArray::fromStdString(HierarchySvg(Nodes, Title)));
    return 1;
}

}  // namespace qm
