// THelpTopicWindow: the built-in help viewer, a window that shows topics of a WinHelp help file
// (.HLP) with their formats and working jumps, with Back, Contents and Index.
//
// Interface for the main window:
//   bool ShowTopic(const std::string& FileName, const std::string& TopicId)
//       Opens FileName unless it is the file already open, and shows the topic whose context
//       string is TopicId (the argument of "JumpID"), recording the topic shown before for Back.
//       Returns false, and changes nothing, when the file has no such topic. Raises
//       EDelphiHelpError "Invalid help file %s" for a damaged file and the runtime's file error
//       (EFOpenError) for one that cannot be read. It does not show the window: call show().
//   void ShowContents(const std::string& FileName)   the file's first topic, the same way.
//   signal IndexRequested()   the "Index" button was pressed on a file without a keyword index of
//       its own; connect it to ShowHelpIndex. A file with one lists its keywords in the window.
// Inside the window a click on a jump, or on a hotspot of a picture, shows its topic, one into another help file opens that
// file when it lies in the same folder, and a popup shows its topic in a small window; a jump to a
// topic that is not there shows nothing new. Words typed in the search field list the topics
// whose title or text holds them all; Enter opens the first. Children: TopicBrowser and
// NonScrollingBrowser (the topic's heading region, hidden when it has none), BackButton,
// ContentsButton, IndexButton, SearchEdit, TopicList (the keywords or the topics found, hidden
// until asked for) and PopupBrowser.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "hlptopic.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace qm {

class THlpFile;
class TTopicPictures;

class THelpTopicWindow : public QWidget {
    Q_OBJECT

public:
    explicit THelpTopicWindow(QWidget* Parent = nullptr);
    ~THelpTopicWindow() override;

    bool ShowTopic(const std::string& FileName, const std::string& TopicId);
    void ShowContents(const std::string& FileName);
    // Shows the topic shown before the current one; false when there is none.
    bool Back();

    // The topic shown: its index in the file (-1 before the first) and title.
    int CurrentTopic() const { return FCurrent; }
    QString CurrentTitle() const;
    const THlpFile* File() const { return FFile.get(); }

    // The keyword index of the file in TopicList; false (showing nothing) when it has none.
    bool ShowKeywords();
    // The topics whose title or text holds every word of Words, ignoring case, in TopicList.
    void Search(const QString& Words);

signals:
    void IndexRequested();

private:
    bool IsOpen(const std::string& FileName) const;
    void Adopt(std::unique_ptr<THlpFile> File);
    void Show(int Topic, bool Record);
    void ShowPopup(int Topic);
    void AnchorClicked(const QUrl& Link);
    void ListActivated(QListWidgetItem* Item);
    void OpenFirstFound();

    std::unique_ptr<THlpFile> FFile;
    int FCurrent = -1;
    std::vector<int> FHistory;
    std::vector<QString> FSearchText;  // per topic, lower case, read at the first search
    QTextBrowser* NonScrollingBrowser;
    QTextBrowser* TopicBrowser;
    QTextBrowser* PopupBrowser;
    QPushButton* ContentsButton;
    QPushButton* IndexButton;
    QPushButton* BackButton;
    QLineEdit* SearchEdit;
    QListWidget* TopicList;
    // Draw each browser's pictures and answer clicks on their hotspots.
    TTopicPictures* FTopicPictures;
    TTopicPictures* FHeadingPictures;
    TTopicPictures* FPopupPictures;
};

// The HTML the window shows for a topic's scrolling text: the title as a heading (unless the
// topic has a heading region of its own), paragraphs with bold, italic, underline, size and
// colour, line breaks, tables, and each jump a link "topic:HASH" (the hash in decimal), a popup
// "popup:HASH", either with "@FILE" after it when it goes into another help file.
QString TopicHtml(const THlpTopic& Topic);
// The HTML of the topic's non-scrolling region; empty when it has none.
QString NonScrollingHtml(const THlpTopic& Topic);
// A topic's picture as the window shows it: its pixels, its metafile drawn at its size, or an
// empty frame of its size. The HTML names picture N of the topic "picture:N".
QImage PictureImage(const THlpPicture& Picture);

}  // namespace qm
