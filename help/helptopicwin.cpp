// The topic window. Topics are rendered to HTML in one pass over the runs; the browser does not
// follow links itself: a jump's hash goes through the file's |CONTEXT like any topic id.
#include "helptopicwin.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTextDocument>
#include <QScreen>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "helperror.h"
#include "hlpfile.h"
#include "metafilepainter.h"
#include "paths.h"
#include "topicpictures.h"
#include "sourcetext.h"

namespace qm {

namespace {

const QString JumpScheme = "topic";
const QString PopupScheme = "popup";
const QString PictureScheme = "picture";

// A picture that could not be decoded keeps its size; one without a size gets a small one.
QSize PictureSize(const THlpPicture& P) {
    return P.Width > 0 && P.Height > 0 ? QSize(std::min(P.Width, 4096), std::min(P.Height, 4096)) : QSize(32, 32);
}
const THlpFont DefaultFont;

QString RunHtml(const THlpRun& Run) {
    QString text = QString::fromStdString(Run.Text).toHtmlEscaped();
    text.replace('\n', "<br>");
    text.replace('\t', "&nbsp;&nbsp;&nbsp;&nbsp;");
    if (Run.Bold) text = "<b>" + text + "</b>";
    if (Run.Italic) text = "<i>" + text + "</i>";
    if (Run.Underline) text = "<u>" + text + "</u>";
    QStringList style;
    if (Run.HalfPoints != DefaultFont.HalfPoints && Run.HalfPoints > 0) style << QString("font-size:%1pt").arg(Run.HalfPoints / 2.0);
    if (Run.Colour != DefaultFont.Colour) style << QString("color:#%1").arg(Run.Colour, 6, 16, QChar('0'));
    if (!style.isEmpty()) text = "<span style=\"" + style.join(';') + "\">" + text + "</span>";
    return text;
}

// A jump's link: the scheme says jump or popup, the path the hash and, for another help file,
// "@" and its name.
QString LinkOf(const THlpRun& Run) {
    QString link = QString("%1:%2").arg(Run.Popup ? PopupScheme : JumpScheme).arg(Run.JumpHash);
    if (!Run.JumpFile.empty()) link += "@" + QString::fromStdString(Run.JumpFile).toHtmlEscaped();
    return link;
}

// A hotspot's link, as a jump's in the text.
QUrl HotspotLink(const THlpHotspot& Hotspot) {
    return QUrl(QString("%1:%2").arg(Hotspot.Popup ? PopupScheme : JumpScheme).arg(Hotspot.JumpHash));
}

// A picture by its number in the topic, at its place; its hotspots are areas of it that the
// window's picture drawer answers clicks on.
QString PictureHtml(const THlpTopic& Topic, const THlpRun& Run) {
    if (size_t(Run.Picture) >= Topic.Pictures.size()) return {};
    const THlpPicture& p = Topic.Pictures[size_t(Run.Picture)];
    const QSize size = PictureSize(p);
    QString html = QString("<img src=\"%1:%2\" width=\"%3\" height=\"%4\"%5>")
                       .arg(PictureScheme)
                       .arg(Run.Picture)
                       .arg(size.width())
                       .arg(size.height())
                       .arg(Run.PictureAlign == 1 ? " align=\"left\"" : Run.PictureAlign == 2 ? " align=\"right\"" : "");
    return html;
}

QString ParagraphHtml(const THlpTopic& Topic, const THlpParagraph& Paragraph) {
    QString html;
    const auto& runs = Paragraph.Runs;
    // Neighbouring runs of one jump make one link.
    for (size_t i = 0; i < runs.size();) {
        const THlpRun& run = runs[i];
        auto item = [&](const THlpRun& R) { return R.Picture >= 0 ? PictureHtml(Topic, R) : RunHtml(R); };
        if (!run.Jump) {
            html += item(run);
            ++i;
            continue;
        }
        html += "<a href=\"" + LinkOf(run) + "\">";
        for (; i < runs.size() && runs[i].Jump && LinkOf(runs[i]) == LinkOf(run); ++i) html += item(runs[i]);
        html += "</a>";
    }
    return html;
}

// Paragraphs [From, To) of the topic: plain paragraphs, and the cells of a table as one table.
QString ParagraphsHtml(const THlpTopic& Topic, size_t From, size_t To) {
    QString html;
    const auto& paragraphs = Topic.Paragraphs;
    for (size_t i = From; i < To;) {
        const THlpParagraph& p = paragraphs[i];
        if (p.Table == 0) {
            html += "<p>" + ParagraphHtml(Topic, p) + "</p>";
            ++i;
            continue;
        }
        int total = 0;
        for (int w : p.ColumnWidths) total += std::max(w, 1);
        html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">";
        int row = -1;
        size_t column = 0;
        auto closeRow = [&] {
            for (; column < p.ColumnWidths.size(); ++column) html += "<td></td>";
            html += "</tr>";
        };
        for (; i < To && paragraphs[i].Table == p.Table;) {
            const THlpParagraph& cell = paragraphs[i];
            if (cell.Row != row) {
                if (row >= 0) closeRow();
                html += "<tr>";
                row = cell.Row, column = 0;
            }
            for (; column < size_t(cell.Column); ++column) html += "<td></td>";
            const int width = size_t(cell.Column) < p.ColumnWidths.size() ? std::max(p.ColumnWidths[size_t(cell.Column)], 1) : 1;
            html += QString("<td width=\"%1%\">").arg(std::max(1, width * 100 / std::max(total, 1)));
            for (bool first = true; i < To && paragraphs[i].Table == p.Table && paragraphs[i].Row == cell.Row &&
                                    paragraphs[i].Column == cell.Column;
                 ++i, first = false)
                html += (first ? "" : "<br>") + ParagraphHtml(Topic, paragraphs[i]);
            html += "</td>";
            ++column;
        }
        if (row >= 0) closeRow();
        html += "</table>";
    }
    return html;
}

}  // namespace

QString TopicHtml(const THlpTopic& Topic) {
    const size_t from = std::min(Topic.NonScrolling, Topic.Paragraphs.size());
    // A topic with a heading region has its title there.
    QString html = "<html><body>";
    if (from == 0) html += "<h2>" + QString::fromStdString(Topic.Title).toHtmlEscaped() + "</h2>";
    html += ParagraphsHtml(Topic, from, Topic.Paragraphs.size());
    return html + "</body></html>";
}

QImage PictureImage(const THlpPicture& Picture) {
    if (!Picture.Metafile.empty()) return MetafileImage(Picture.Metafile, PictureSize(Picture));
    if (!Picture.Pixels.empty()) {
        QImage image(Picture.Width, Picture.Height, QImage::Format_ARGB32);
        for (int y = 0; y < Picture.Height; ++y)
            std::copy_n(Picture.Pixels.data() + size_t(y) * size_t(Picture.Width), Picture.Width,
                        reinterpret_cast<uint32_t*>(image.scanLine(y)));
        return image;
    }
    // An empty frame of the picture's size.
    const QSize size = PictureSize(Picture);
    QImage frame(size, QImage::Format_ARGB32);
    frame.fill(Qt::white);
    QPainter painter(&frame);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return frame;
}

// Shows Html in Browser with the topic's pictures.
void SetTopicHtml(QTextBrowser* Browser, TTopicPictures* Pictures, const QString& Html, const THlpTopic& Topic) {
    Browser->setHtml(Html);
    QTextDocument* document = Browser->document();
    for (size_t i = 0; i < Topic.Pictures.size(); ++i)
        document->addResource(QTextDocument::ImageResource, QUrl(QString("%1:%2").arg(PictureScheme).arg(i)),
                              PictureImage(Topic.Pictures[i]));
    Pictures->SetPictures(Topic.Pictures);
}

QString NonScrollingHtml(const THlpTopic& Topic) {
    const size_t to = std::min(Topic.NonScrolling, Topic.Paragraphs.size());
    return to == 0 ? QString() : "<html><body>" + ParagraphsHtml(Topic, 0, to) + "</body></html>";
}

THelpTopicWindow::THelpTopicWindow(QWidget* Parent) : QWidget(Parent) {
    setObjectName("HelpTopicWindow");
    setWindowTitle("Help");
    ContentsButton = new QPushButton("&Contents", this);
    ContentsButton->setObjectName("ContentsButton");
    IndexButton = new QPushButton("&Index", this);
    IndexButton->setObjectName("IndexButton");
    BackButton = new QPushButton("&Back", this);
    BackButton->setObjectName("BackButton");
    BackButton->setEnabled(false);
    SearchEdit = new QLineEdit(this);
    SearchEdit->setObjectName("SearchEdit");
    SearchEdit->setPlaceholderText("Search");
    SearchEdit->setAccessibleName("Search the help topics");
    SearchEdit->setClearButtonEnabled(true);
    TopicList = new QListWidget(this);
    TopicList->setObjectName("TopicList");
    TopicList->setAccessibleName("Help topics");
    TopicList->hide();
    NonScrollingBrowser = new QTextBrowser(this);
    NonScrollingBrowser->setObjectName("NonScrollingBrowser");
    NonScrollingBrowser->setOpenLinks(false);
    NonScrollingBrowser->setAccessibleName("Help topic heading");
    NonScrollingBrowser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    NonScrollingBrowser->hide();
    TopicBrowser = new QTextBrowser(this);
    TopicBrowser->setObjectName("TopicBrowser");
    TopicBrowser->setOpenLinks(false);
    TopicBrowser->setAccessibleName("Help topic");
    PopupBrowser = new QTextBrowser(this);
    PopupBrowser->setObjectName("PopupBrowser");
    PopupBrowser->setWindowFlags(Qt::Popup);
    PopupBrowser->setOpenLinks(false);
    PopupBrowser->setAccessibleName("Help popup");
    PopupBrowser->resize(360, 200);
    FTopicPictures = new TTopicPictures(TopicBrowser, HotspotLink);
    FHeadingPictures = new TTopicPictures(NonScrollingBrowser, HotspotLink);
    FPopupPictures = new TTopicPictures(PopupBrowser, HotspotLink);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ContentsButton);
    buttons->addWidget(IndexButton);
    buttons->addWidget(BackButton);
    buttons->addStretch();
    buttons->addWidget(SearchEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(TopicList, 1);
    layout->addWidget(NonScrollingBrowser);
    layout->addWidget(TopicBrowser, 3);
    resize(560, 480);

    connect(ContentsButton, &QPushButton::clicked, this, [this] {
        if (FFile && FFile->TopicCount() > 0) Show(0, true);
    });
    connect(IndexButton, &QPushButton::clicked, this, [this] {
        if (!ShowKeywords()) emit IndexRequested();
    });
    connect(BackButton, &QPushButton::clicked, this, &THelpTopicWindow::Back);
    connect(TopicBrowser, &QTextBrowser::anchorClicked, this, &THelpTopicWindow::AnchorClicked);
    connect(NonScrollingBrowser, &QTextBrowser::anchorClicked, this, &THelpTopicWindow::AnchorClicked);
    connect(PopupBrowser, &QTextBrowser::anchorClicked, this, [this](const QUrl& Link) {
        PopupBrowser->hide();
        AnchorClicked(Link);
    });
    connect(SearchEdit, &QLineEdit::textEdited, this, &THelpTopicWindow::Search);
    connect(SearchEdit, &QLineEdit::returnPressed, this, &THelpTopicWindow::OpenFirstFound);
    connect(TopicList, &QListWidget::itemActivated, this, &THelpTopicWindow::ListActivated);
}

THelpTopicWindow::~THelpTopicWindow() = default;

bool THelpTopicWindow::IsOpen(const std::string& FileName) const {
    return FFile && ResolvePath(FFile->FileName()) == ResolvePath(FileName);
}

void THelpTopicWindow::Adopt(std::unique_ptr<THlpFile> File) {
    FFile = std::move(File);
    FCurrent = -1;
    FHistory.clear();
    FSearchText.clear();
    TopicList->clear();
    TopicList->hide();
    const std::string& title = FFile->Title();
    setWindowTitle(title.empty() ? SourceText(FileNamePart(FFile->FileName())) : QString::fromStdString(title));
}

bool THelpTopicWindow::ShowTopic(const std::string& FileName, const std::string& TopicId) {
    // Another file replaces the one shown only when it has the topic.
    if (!IsOpen(FileName)) {
        auto file = std::make_unique<THlpFile>(FileName);
        if (file->FindTopic(TopicId) < 0) return false;
        Adopt(std::move(file));
    }
    int topic = FFile->FindTopic(TopicId);
    if (topic < 0) return false;
    Show(topic, true);
    return true;
}

void THelpTopicWindow::ShowContents(const std::string& FileName) {
    if (!IsOpen(FileName)) Adopt(std::make_unique<THlpFile>(FileName));
    if (FFile->TopicCount() > 0) Show(0, true);
}

bool THelpTopicWindow::Back() {
    if (FHistory.empty()) return false;
    int topic = FHistory.back();
    FHistory.pop_back();
    Show(topic, false);
    return true;
}

QString THelpTopicWindow::CurrentTitle() const {
    return FFile && FCurrent >= 0 ? QString::fromStdString(FFile->TopicTitle(size_t(FCurrent))) : QString();
}

void THelpTopicWindow::Show(int Topic, bool Record) {
    THlpTopic topic = FFile->Topic(size_t(Topic));  // raises before anything changes
    if (Record && FCurrent >= 0 && FCurrent != Topic) FHistory.push_back(FCurrent);
    FCurrent = Topic;
    const QString heading = NonScrollingHtml(topic);
    SetTopicHtml(NonScrollingBrowser, FHeadingPictures, heading, topic);
    NonScrollingBrowser->setVisible(!heading.isEmpty());
    if (!heading.isEmpty()) {
        NonScrollingBrowser->document()->setTextWidth(NonScrollingBrowser->viewport()->width());
        NonScrollingBrowser->setFixedHeight(int(NonScrollingBrowser->document()->size().height()) + 2 * NonScrollingBrowser->frameWidth());
    }
    SetTopicHtml(TopicBrowser, FTopicPictures, TopicHtml(topic), topic);
    BackButton->setEnabled(!FHistory.empty());
}

void THelpTopicWindow::ShowPopup(int Topic) {
    THlpTopic topic = FFile->Topic(size_t(Topic));
    topic.NonScrolling = 0;
    SetTopicHtml(PopupBrowser, FPopupPictures, TopicHtml(topic), topic);
    QPoint at = QCursor::pos();
    if (!rect().contains(mapFromGlobal(at))) at = mapToGlobal(rect().center());
    PopupBrowser->move(at);
    PopupBrowser->show();
}

// A link's path is the hash, with "@FILE" for another help file, looked for beside this one.
void THelpTopicWindow::AnchorClicked(const QUrl& Link) {
    if (!FFile || (Link.scheme() != JumpScheme && Link.scheme() != PopupScheme)) return;
    const QString path = Link.path();
    const qsizetype at = path.indexOf('@');
    bool ok = false;
    uint32_t hash = path.left(at).toUInt(&ok);
    if (!ok) return;
    if (at >= 0) {
        const QString name = path.mid(at + 1);
        const std::string other = QDir(QFileInfo(QString::fromStdString(FFile->FileName())).absolutePath()).filePath(name).toStdString();
        if (!QFileInfo::exists(QString::fromStdString(ResolvePath(other)))) return;
        auto file = std::make_unique<THlpFile>(other);
        int topic = file->FindTopicByHash(hash);
        if (topic < 0) return;
        Adopt(std::move(file));
        Show(topic, true);
        return;
    }
    int topic = FFile->FindTopicByHash(hash);
    if (topic < 0) return;
    if (Link.scheme() == PopupScheme) ShowPopup(topic);
    else Show(topic, true);
}

bool THelpTopicWindow::ShowKeywords() {
    if (!FFile) return false;
    const std::vector<THlpKeyword> keywords = FFile->Keywords();
    if (keywords.empty()) return false;
    TopicList->clear();
    for (const THlpKeyword& k : keywords)
        for (size_t topic : k.Topics) {
            QString text = QString::fromStdString(k.Keyword);
            if (k.Topics.size() > 1) text += " \u2013 " + QString::fromStdString(FFile->TopicTitle(topic));
            auto* item = new QListWidgetItem(text, TopicList);
            item->setData(Qt::UserRole, int(topic));
        }
    TopicList->show();
    TopicList->setCurrentRow(0);
    TopicList->setFocus();
    return true;
}

void THelpTopicWindow::Search(const QString& Words) {
    TopicList->clear();
    const QStringList words = Words.toLower().split(' ', Qt::SkipEmptyParts);
    if (!FFile || words.isEmpty()) {
        TopicList->hide();
        return;
    }
    // Every topic's text is read once, at the first search of the file. A damaged topic is found
    // by its title alone: the search goes on, and opening the topic names the damage.
    if (FSearchText.empty())
        for (size_t i = 0; i < FFile->TopicCount(); ++i) {
            std::string text = FFile->TopicTitle(i);
            try {
                text += "\n" + PlainText(FFile->Topic(i));
            } catch (const EDelphiHelpError&) {
            }
            FSearchText.push_back(QString::fromStdString(text).toLower());
        }
    for (size_t i = 0; i < FSearchText.size(); ++i) {
        if (!std::all_of(words.begin(), words.end(), [&](const QString& W) { return FSearchText[i].contains(W); })) continue;
        auto* item = new QListWidgetItem(QString::fromStdString(FFile->TopicTitle(i)), TopicList);
        item->setData(Qt::UserRole, int(i));
    }
    TopicList->show();
    TopicList->setCurrentRow(0);
}

void THelpTopicWindow::OpenFirstFound() {
    if (TopicList->isVisible() && TopicList->count() > 0) ListActivated(TopicList->item(0));
}

void THelpTopicWindow::ListActivated(QListWidgetItem* Item) {
    if (!Item || !FFile) return;
    TopicList->hide();
    Show(Item->data(Qt::UserRole).toInt(), true);
    TopicBrowser->setFocus();
}

}  // namespace qm
