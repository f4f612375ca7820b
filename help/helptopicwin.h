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
//   signal IndexRequested()   the "Index" button was pressed; connect it to ShowHelpIndex.
// Inside the window a click on a jump shows its topic; a jump to a topic the file does not
// have shows nothing new. Children: TopicBrowser (QTextBrowser), BackButton, ContentsButton,
// IndexButton.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "hlptopic.h"

class QPushButton;
class QTextBrowser;
class QUrl;

namespace qm {

class THlpFile;

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

signals:
    void IndexRequested();

private:
    bool IsOpen(const std::string& FileName) const;
    void Adopt(std::unique_ptr<THlpFile> File);
    void Show(int Topic, bool Record);
    void AnchorClicked(const QUrl& Link);

    std::unique_ptr<THlpFile> FFile;
    int FCurrent = -1;
    std::vector<int> FHistory;
    QTextBrowser* TopicBrowser;
    QPushButton* ContentsButton;
    QPushButton* IndexButton;
    QPushButton* BackButton;
};

// The HTML the window shows for a topic: the title as a heading, paragraphs with bold, italic
// and underline, line breaks, and each jump a link "topic:HASH" (the hash in decimal).
QString TopicHtml(const THlpTopic& Topic);

}  // namespace qm
