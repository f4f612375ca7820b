// The topic window. Topics are rendered to HTML in one pass over the runs; the browser does not
// follow links itself: a jump's hash goes through the file's |CONTEXT like any topic id.
#include "helptopicwin.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "hlpfile.h"
#include "paths.h"
#include "sourcetext.h"

namespace qm {

namespace {

const QString JumpScheme = "topic";

QString RunHtml(const THlpRun& Run) {
    QString text = QString::fromStdString(Run.Text).toHtmlEscaped();
    text.replace('\n', "<br>");
    text.replace('\t', "&nbsp;&nbsp;&nbsp;&nbsp;");
    if (Run.Bold) text = "<b>" + text + "</b>";
    if (Run.Italic) text = "<i>" + text + "</i>";
    if (Run.Underline) text = "<u>" + text + "</u>";
    return text;
}

}  // namespace

QString TopicHtml(const THlpTopic& Topic) {
    QString html = "<html><body><h2>" + QString::fromStdString(Topic.Title).toHtmlEscaped() + "</h2>";
    for (const THlpParagraph& p : Topic.Paragraphs) {
        html += "<p>";
        // Neighbouring runs of one jump make one link.
        for (size_t i = 0; i < p.Runs.size();) {
            const THlpRun& run = p.Runs[i];
            if (!run.Jump) {
                html += RunHtml(run);
                ++i;
                continue;
            }
            html += QString("<a href=\"%1:%2\">").arg(JumpScheme).arg(run.JumpHash);
            for (; i < p.Runs.size() && p.Runs[i].Jump && p.Runs[i].JumpHash == run.JumpHash; ++i)
                html += RunHtml(p.Runs[i]);
            html += "</a>";
        }
        html += "</p>";
    }
    return html + "</body></html>";
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
    TopicBrowser = new QTextBrowser(this);
    TopicBrowser->setObjectName("TopicBrowser");
    TopicBrowser->setOpenLinks(false);
    TopicBrowser->setAccessibleName("Help topic");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ContentsButton);
    buttons->addWidget(IndexButton);
    buttons->addWidget(BackButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(TopicBrowser);
    resize(560, 480);

    connect(ContentsButton, &QPushButton::clicked, this, [this] {
        if (FFile && FFile->TopicCount() > 0) Show(0, true);
    });
    connect(IndexButton, &QPushButton::clicked, this, &THelpTopicWindow::IndexRequested);
    connect(BackButton, &QPushButton::clicked, this, &THelpTopicWindow::Back);
    connect(TopicBrowser, &QTextBrowser::anchorClicked, this, &THelpTopicWindow::AnchorClicked);
}

THelpTopicWindow::~THelpTopicWindow() = default;

bool THelpTopicWindow::IsOpen(const std::string& FileName) const {
    return FFile && ResolvePath(FFile->FileName()) == ResolvePath(FileName);
}

void THelpTopicWindow::Adopt(std::unique_ptr<THlpFile> File) {
    FFile = std::move(File);
    FCurrent = -1;
    FHistory.clear();
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
    TopicBrowser->setHtml(TopicHtml(topic));
    BackButton->setEnabled(!FHistory.empty());
}

void THelpTopicWindow::AnchorClicked(const QUrl& Link) {
    if (!FFile || Link.scheme() != JumpScheme) return;
    bool ok = false;
    uint32_t hash = Link.path().toUInt(&ok);
    if (!ok) return;
    int topic = FFile->FindTopicByHash(hash);
    if (topic >= 0) Show(topic, true);
}

}  // namespace qm
