// The main window's menus, popup and hidden shortcut items as one table: objectName, caption,
// shortcut, where the item stands, its tag and the command it runs.
#pragma once

#include <string>
#include <vector>

class QAction;

namespace qm {

class TClassNav;

enum class TMenuPlace { Bar, File, Edit, Hidden, Filters, Help, Popup, AddBookmark, GoBookmark, ClassInfoPopup };

enum TMenuFlag : unsigned {
    SeparatorAfter = 1,
    Checked = 2,      // a check item, checked at start
    Disabled = 4,
    Submenu = 8,      // the item opens the submenu named after it
    Unchecked = 16,   // a check item, not checked at start
};

struct TMenuEntry {
    std::string Name;
    std::string Caption;
    std::string Shortcut;  // in QKeySequence's portable text, empty for none
    TMenuPlace Place;
    int Tag = 0;
    unsigned Flags = 0;
    void (*Command)(TClassNav& Window, QAction& Item) = nullptr;
};

// In the order the items stand in their menus.
const std::vector<TMenuEntry>& MenuTable();

}  // namespace qm
