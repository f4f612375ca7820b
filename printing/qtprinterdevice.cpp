// The printer device on Qt PrintSupport. Text is 8-bit: Windows-1252 where Qt knows it,
// else Latin-1.
#include "qtprinterdevice.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QStandardPaths>
#include <algorithm>

#include "format.h"
#include "savefile.h"
#include "sourcetext.h"

namespace qm {

namespace {

constexpr int PdfResolution = 300;

std::string FileSystemName(const QString& Name) { return QFile::encodeName(Name).toStdString(); }

QFont MakeQFont(const TFontData& Data) {
    QFont font(SourceText(Data.Name));
    font.setPixelSize(std::max(1, Data.Height));
    font.setBold(Data.Style & fsBold);
    font.setItalic(Data.Style & fsItalic);
    font.setUnderline(Data.Style & fsUnderline);
    font.setStrikeOut(Data.Style & fsStrikeOut);
    return font;
}

// A job name made fit for a file name: no folder separators or characters that Windows
// refuses.
QString FileBaseName(const std::string& Title) {
    QString base = SourceText(Title);
    for (QChar& c : base)
        if (c < u' ' || QStringView(u"\\/:*?\"<>|").contains(c)) c = u'_';
    base = base.trimmed();
    return base.isEmpty() ? QStringLiteral("Untitled") : base;
}

}  // namespace

TQtPrinterDevice::TQtPrinterDevice(const QPrinterInfo& Printer, std::string PdfFolder)
    : FPrinter(QPrinter::HighResolution), FToFile(Printer.isNull()),
      FPdfFolder(std::move(PdfFolder)), FQFont(MakeQFont(FFont)) {
    if (!FToFile) {
        FPrinter.setPrinterName(Printer.printerName());
        FToFile = !FPrinter.isValid();
    }
    if (FToFile) {
        FPrinter.setOutputFormat(QPrinter::PdfFormat);
        FPrinter.setResolution(PdfResolution);
    }
}

TQtPrinterDevice::~TQtPrinterDevice() {
    try {
        if (Printing()) Abort();
    } catch (...) {
    }
}

std::unique_ptr<TQtPrinterDevice> TQtPrinterDevice::ForDefaultPrinter() {
    return std::make_unique<TQtPrinterDevice>(QPrinterInfo::defaultPrinter());
}

int32_t TQtPrinterDevice::PageWidth() const { return FPrinter.width(); }

int32_t TQtPrinterDevice::PageHeight() const { return FPrinter.height(); }

int32_t TQtPrinterDevice::YResolution() const { return FPrinter.logicalDpiY(); }

void TQtPrinterDevice::SetFont(const TFontData& Font) {
    if (Font == FFont) return;
    FFont = Font;
    FQFont = MakeQFont(Font);
    if (FPainter.isActive()) FPainter.setFont(FQFont);
}

TSize TQtPrinterDevice::TextExtent(std::string_view Text) {
    const QFontMetrics metrics(FQFont, &FPrinter);
    return {metrics.horizontalAdvance(SourceText(Text)), metrics.height()};
}

void TQtPrinterDevice::Fail() const {
    if (FToFile) throw EPrinter("Cannot write " + FPdfPath + ": the PDF document could not be made");
    throw EPrinter(Format("Cannot print on %s", {FileSystemName(FPrinter.printerName())}));
}

QPainter& TQtPrinterDevice::Surface() {
    CheckPrinting();
    if (FPainter.isActive()) return FPainter;
    if (FToFile) {
        FPdfBytes = std::make_unique<QBuffer>();
        FPdfBytes->open(QIODevice::WriteOnly);
        FPdf = std::make_unique<QPdfWriter>(FPdfBytes.get());
        FPdf->setPageLayout(FPrinter.pageLayout());
        FPdf->setResolution(PdfResolution);
        FPdf->setTitle(FPrinter.docName());
        FPdf->setCreator(FPrinter.creator());
    }
    if (!FPainter.begin(FToFile ? static_cast<QPaintDevice*>(FPdf.get()) : &FPrinter)) Fail();
    for (; FPendingPages > 0; --FPendingPages)
        if (!NewSheet()) Fail();
    FPainter.setFont(FQFont);
    return FPainter;
}

void TQtPrinterDevice::TextRect(const TRect& R, std::string_view Text, TAlignment Alignment) {
    QPainter& painter = Surface();
    if (R.IsEmpty()) return;  // clipped away whole
    const int horizontal = Alignment == taCenter         ? Qt::AlignHCenter
                           : Alignment == taRightJustify ? Qt::AlignRight
                                                         : Qt::AlignLeft;
    // Qt draws text in the pen's colour; the pen itself belongs to the lines.
    const QPen pen = painter.pen();
    painter.setPen(QColor(QRgb(FFont.Color)));
    painter.drawText(QRect(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top),
                     horizontal | Qt::AlignTop | Qt::TextSingleLine, SourceText(Text));
    painter.setPen(pen);
}

void TQtPrinterDevice::MoveTo(int32_t X, int32_t Y) {
    CheckPrinting();
    FPenPos = QPoint(X, Y);
}

void TQtPrinterDevice::LineTo(int32_t X, int32_t Y) {
    Surface().drawLine(FPenPos, QPoint(X, Y));
    FPenPos = QPoint(X, Y);
}

std::string TQtPrinterDevice::PdfPathFor(const std::string& Title) const {
    QString folder = FPdfFolder.empty()
                         ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                         : QFile::decodeName(FPdfFolder.c_str());
    if (folder.isEmpty()) folder = QDir::homePath();
    QDir dir(folder);
    dir.mkpath(QStringLiteral("."));  // a failure shows when the file cannot be created
    const QString base = FileBaseName(Title);
    QString path = dir.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
    return FileSystemName(path);
}

void TQtPrinterDevice::DoBeginDoc(const std::string& Title) {
    FPendingPages = 0;
    FPrinter.setDocName(SourceText(Title));
    if (!FToFile) return;
    // The printer only measures (it keeps its PDF format with a file name); the document is
    // written to the file at its end.
    FPdfPath = PdfPathFor(Title);
    FPrinter.setOutputFileName(QFile::decodeName(FPdfPath.c_str()));
}

bool TQtPrinterDevice::NewSheet() {
    return FToFile ? FPdf->newPage() : FPrinter.newPage();
}

void TQtPrinterDevice::DoNewPage() {
    if (!FPainter.isActive())
        ++FPendingPages;
    else if (!NewSheet())
        Fail();
}

// Qt's PDF engine reports no failed write: the document is made in memory and written whole
// by the one file writer, which says why a write failed and leaves no broken file behind.
TPrintTarget TQtPrinterDevice::DoEndDoc() {
    Surface();  // a document of blank pages only begins here
    const bool ended = FPainter.end();
    if (FToFile) {
        const std::unique_ptr<QPdfWriter> pdf = std::move(FPdf);
        const std::unique_ptr<QBuffer> bytes = std::move(FPdfBytes);
        if (!ended) Fail();
        try {
            WriteFileWhole(FPdfPath, bytes->data());
        } catch (const Exception& e) {
            throw EPrinter(e.Message());
        }
        return {true, FPdfPath};
    }
    if (!ended || FPrinter.printerState() == QPrinter::Error) Fail();
    return {false, FileSystemName(FPrinter.printerName())};
}

// Qt's CUPS engine cannot abort a job once drawing began: a printer gets what was drawn so far.
// A PDF document is dropped before it reaches the disk.
void TQtPrinterDevice::DoAbort() {
    FPendingPages = 0;
    if (!FPainter.isActive()) return;  // nothing reached the printer or the file yet
    if (!FToFile) FPrinter.abort();
    FPainter.end();
    FPdf.reset();
    FPdfBytes.reset();
}

}  // namespace qm
