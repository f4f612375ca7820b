// The source place: the Source page's view with the unit it shows, where every navigation ends;
// the Back history, the ten bookmarks and the texts of recently shown units are its own.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "dbrows.h"

class QAction;

namespace qm {

class TBookMark;
class TPlaceAnchors;
class THistory;
class TUnitTexts;
class TVCLDB;
class TXRichEdit;

class TSourcePlace : public QObject {
    Q_OBJECT
public:
    // Item finds a menu item by its objectName (the bookmarks' captions); ShowPage makes the
    // Source page the active one.
    TSourcePlace(TXRichEdit& View, std::function<QAction*(const QString&)> Item, std::function<void()> ShowPage,
                 QObject* Parent);
    ~TSourcePlace() override;
    void Attach(TVCLDB& Db);

    // Shows the unit with the 0-based Line at the top and the caret on it, recording the place it
    // leaves in the history when RecordHistory. A unit whose file has gone is said so, and the
    // unit shown before stays; a unit that has gone from the database is said so too. FileID
    // names one of the unit's include files to show instead of its own file.
    void ShowUnit(int UnitID, int Line, bool RecordHistory, int FileID = 0);
    // The same for a place of the class database (lines from 1).
    void GoTo(const TPlace& Place, bool RecordHistory);
    // The most recent place of the history; a beep when there is none, and a message the second
    // time running.
    void Back();
    void AddBookmark(int N);
    void GotoBookmark(int N);
    // The history and the bookmarks let go of units the database no longer holds.
    void ForgetRemovedUnits();
    // No unit is shown from now on; the text stays to be read unless Blank.
    void ForgetShownUnit(bool Blank);
    // Remembers what the caret's line lies in, so that the caret can follow it when units are re-read.
    void RememberCaret();
    // After units were re-read (by whichever program): the caret, the bookmarks and the history
    // follow the class or member they lie in where it can be told, else keep their lines, and the
    // shown unit's file is read again as it is now; the page and the focus stay as they are.
    void FollowRereads();
    // The name of the unit shown last.
    const std::string& ShownUnitName() const { return FShownUnitName; }

    THistory& History() const { return *FHistory; }
    TBookMark& BookMarks() const { return *FBookMarks; }
    TUnitTexts& Texts() const { return *FTexts; }

private:
    void SetBookmarkCaptions(int N, const QString& Caption);
    // The shown unit's file read (again when it changed) into the view, bookmarked lines red.
    void LoadShownText(const std::string& Path, const std::string& DiskPath);
    void ReloadShownUnit(int CaretLine, int TopLine);

    TXRichEdit& FView;
    std::function<QAction*(const QString&)> FItem;
    std::function<void()> FShowPage;
    TVCLDB* FDb = nullptr;
    std::unique_ptr<THistory> FHistory;
    std::unique_ptr<TBookMark> FBookMarks;
    std::unique_ptr<TPlaceAnchors> FAnchors;
    TUnitTexts* FTexts;
    int FBackFailures = 0;        // Back with an empty history, one after another
    std::string FShownUnitName;  // for the message when another program removes the unit
};

}  // namespace qm
