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
    if (FToFile) throw EPrinter(Format(FPainter.isActive() ? "Cannot write file %s" : "Cannot create file %s", {FPdfPath}));
    throw EPrinter(Format("Cannot print on %s", {FileSystemName(FPrinter.printerName())}));
}

QPainter& TQtPrinterDevice::Surface() {
    CheckPrinting();
    if (FPainter.isActive()) return FPainter;
    if (!FPainter.begin(&FPrinter)) Fail();
    for (; FPendingPages > 0; --FPendingPages)
        if (!FPrinter.newPage()) Fail();
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
    FPdfPath = PdfPathFor(Title);
    FPrinter.setOutputFileName(QFile::decodeName(FPdfPath.c_str()));
}

void TQtPrinterDevice::DoNewPage() {
    if (!FPainter.isActive())
        ++FPendingPages;
    else if (!FPrinter.newPage())
        Fail();
}

// Qt's PDF engine reports no failed write, not even of the file's trailer: a file counts as
// written when it ends with its end-of-file marker. A broken file is removed.
TPrintTarget TQtPrinterDevice::DoEndDoc() {
    Surface();  // a document of blank pages only begins here
    const bool ended = FPainter.end();
    if (FToFile) {
        if (ended && PdfComplete()) return {true, FPdfPath};
        QFile::remove(QFile::decodeName(FPdfPath.c_str()));
        throw EPrinter(Format("Cannot write file %s", {FPdfPath}));
    }
    if (!ended || FPrinter.printerState() == QPrinter::Error) Fail();
    return {false, FileSystemName(FPrinter.printerName())};
}

bool TQtPrinterDevice::PdfComplete() const {
    QFile file(QFile::decodeName(FPdfPath.c_str()));
    if (!file.open(QIODevice::ReadOnly) || file.size() < 6) return false;
    const qint64 tail = std::min<qint64>(file.size(), 64);
    if (!file.seek(file.size() - tail)) return false;
    return file.read(tail).trimmed().endsWith("%%EOF");
}

// Qt's PDF and CUPS engines cannot abort a job once drawing began: the PDF file is removed;
// a printer gets what was drawn so far.
void TQtPrinterDevice::DoAbort() {
    FPendingPages = 0;
    if (!FPainter.isActive()) return;  // nothing reached the printer or the file yet
    FPrinter.abort();
    FPainter.end();
    if (FToFile) QFile::remove(QFile::decodeName(FPdfPath.c_str()));
}

}  // namespace qm
