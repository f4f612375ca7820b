// What the selection dialogs share: list entries that carry an id, sorting as a sorted list box
// does, the modal choice of one entry, a double-click that means OK, and the wait cursor.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "dbrows.h"

class QDialog;
class QListWidget;
class QListWidgetItem;

namespace qm {

// Entry text from the class database's 8-bit text.
QString EntryText(const std::string& Text);
void AddEntry(QListWidget& List, const QString& Text, int ID);
// Empties List, then adds Items; Sorted orders them by text, ignoring letter case first.
void FillList(QListWidget& List, const TStringItems& Items, bool Sorted);
// Keeps List in order by text after entries were added one by one.
void SortEntries(QListWidget& List);
// The id an entry carries; 0 for none.
int EntryID(const QListWidgetItem* Item);

// Selects the first entry, gives List the focus, widens Dialog to show the longest entry whole
// (up to the screen's width) and shows it modally (through the prompts): the id of the entry
// selected when the user chose OK, otherwise 0.
int ChooseEntry(QDialog& Dialog, QListWidget& List);
// The selection dialogs' contract over the entries List holds: -1 when there is none, the only
// one without showing Dialog, otherwise ChooseEntry.
int ChooseOne(QDialog& Dialog, QListWidget& List);
// One of Count same-named candidates, IDAt(index) each: ChooseOne among entries TextOf(id) listed
// from the last index to the first.
int SelectByName(QDialog& Dialog, QListWidget& List, int Count, const std::function<int(int Index)>& IDAt,
                 const std::function<std::string(int ID)>& TextOf);
// A double-click on an entry closes Dialog with OK, while Enabled (when given) says so.
void AcceptOnDoubleClick(QDialog& Dialog, QListWidget& List, std::function<bool()> Enabled = {});

// Only the system menu among the border icons: no help, minimise or maximise button.
void SystemMenuOnly(QDialog& Dialog);

// Shows the wait cursor for its lifetime, also when an error ends it early.
class TWaitCursor {
public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

}  // namespace qm
