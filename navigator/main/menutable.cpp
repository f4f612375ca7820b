// The menu table. Commands are small adapters onto the main window's handlers; the ten digit
// items of each kind share one handler that reads the item's tag.
#include "menutable.h"

#include <QAction>

#include "main1.h"

namespace qm {
namespace {

using P = TMenuPlace;

template <void (TClassNav::*Handler)()>
void Run(TClassNav& Window, QAction&) {
    (Window.*Handler)();
}

void AddBookmarkItem(TClassNav& Window, QAction& Item) {
    Window.AddBookmark(Item.property("Tag").toInt());
}

void GoBookmarkItem(TClassNav& Window, QAction& Item) {
    Window.GotoBookmark(Item.property("Tag").toInt());
}

void FilterItem(TClassNav& Window, QAction& Item) {
    Window.FieldItemClick(Item);
}

std::vector<TMenuEntry> BuildTable() {
    std::vector<TMenuEntry> T = {
        {"MemberOverridesItem", "Overrides...", "", P::ClassInfoPopup, 0, 0, Run<&TClassNav::MemberOverridesItemClick>},
        {"FileItem", "&File", "", P::Bar, 0, Submenu},
        {"LoadUnit1", "&Add Unit...", "", P::File, 0, 0, Run<&TClassNav::LoadUnit1Click>},
        {"AddFolderItem", "Add &Folder...", "", P::File, 0, 0, Run<&TClassNav::AddFolderItemClick>},
        {"OpenProjectItem", "Open &Project...", "", P::File, 0, 0, Run<&TClassNav::OpenProjectItemClick>},
        {"RemoveUnitItem", "&Remove Unit...", "", P::File, 0, 0, Run<&TClassNav::RemoveUnitItemClick>},
        {"RemoveProjectItem", "Remove Pro&ject...", "", P::File, 0, Disabled, Run<&TClassNav::RemoveProjectItemClick>},
        {"PurgenonVCLItem", "Remove &Non-VCL Units...", "", P::File, 0, SeparatorAfter,
         Run<&TClassNav::PurgenonVCLItemClick>},
        {"PrintItem", "&Print...", "", P::File, 0, 0, Run<&TClassNav::PrintItemClick>},
        {"ExportHierarchyItem", "Export &Hierarchy...", "", P::File, 0, SeparatorAfter,
         Run<&TClassNav::ExportHierarchyItemClick>},
        {"LoadVCL1", "&Initialize...", "", P::File, 0, SeparatorAfter, Run<&TClassNav::LoadVCL1Click>},
        {"Exit1", "E&xit", "", P::File, 0, 0, Run<&TClassNav::Exit1Click>},
        {"EditItem", "&Edit", "", P::Bar, 0, Submenu},
        {"CopyItem", "&Copy", "Ctrl+C", P::Edit, 0, 0, Run<&TClassNav::CopyItemClick>},
        {"PasteItem", "&Paste", "Ctrl+V", P::Edit, 0, 0, Run<&TClassNav::PasteItemClick>},
        {"RefreshItem", "&Refresh", "F5", P::Edit, 0, 0, Run<&TClassNav::RefreshItemClick>},
        {"ConfigurationItem", "Con&figuration...", "", P::Edit, 0, 0, Run<&TClassNav::ConfigurationItemClick>},
    };
    for (int n = 0; n <= 9; ++n)
        T.push_back({"SBM" + std::to_string(n) + "SC", "x", "Ctrl+Shift+" + std::to_string(n), P::Hidden, n, 0,
                     AddBookmarkItem});
    for (int n = 0; n <= 9; ++n)
        T.push_back({"GBM" + std::to_string(n) + "SC", "y", "Ctrl+" + std::to_string(n), P::Hidden, n, 0, GoBookmarkItem});
    const std::vector<TMenuEntry> Rest = {
        {"CTRLF", "F", "Ctrl+F", P::Hidden, 0, 0, Run<&TClassNav::CTRLFClick>},
        {"F3", "F3", "F3", P::Hidden, 0, 0, Run<&TClassNav::TextSearchGoSBClick>},
        {"SRSC", "SearchRes", "Ctrl+L", P::Hidden, 0, 0, Run<&TClassNav::LastMemberSearch>},
        {"SearchSC", "Search", "Ctrl+S", P::Hidden, 0, 0, Run<&TClassNav::SearchSCClick>},
        {"BackSC", "Back", "Ctrl+B", P::Hidden, 0, 0, Run<&TClassNav::BackItemClick>},
        {"FiltersItem", "F&ilters", "", P::Bar, 0, Submenu},
        {"PrivateItem", "&Private", "", P::Filters, 0, Checked, FilterItem},
        {"ProtectedItem", "P&rotected", "", P::Filters, 0, Checked, FilterItem},
        {"PublicItem", "P&ublic", "", P::Filters, 0, Checked, FilterItem},
        {"PublishedItem", "Pu&blished", "", P::Filters, 0, Checked | SeparatorAfter, FilterItem},
        {"MethodItem", "&Method", "", P::Filters, 0, Checked, FilterItem},
        {"PropertyItem", "Pr&operty", "", P::Filters, 0, Checked, FilterItem},
        {"FieldItem", "&Field", "", P::Filters, 0, Checked | SeparatorAfter, FilterItem},
        {"RedeclaredItem", "Re&declared properties", "", P::Filters, 0, Checked | SeparatorAfter, FilterItem},
        // Rows that are no members of the class: shown on request.
        {"InterfacesItem", "&Interfaces", "", P::Filters, 0, Unchecked, FilterItem},
        {"HelpersItem", "&Helpers", "", P::Filters, 0, Unchecked, FilterItem},
        {"HelpItem", "Help", "", P::Bar, 0, Submenu},
        {"About1", "&About...", "", P::Help, 0, 0, Run<&TClassNav::About1Click>},
        {"BackItem", "Back", "", P::Popup, 0, SeparatorAfter, Run<&TClassNav::BackItemClick>},
        {"DelphiHelpItem", "Delphi Help", "", P::Popup, 0, 0, Run<&TClassNav::DelphiHelpItemClick>},
        {"DelphiHelpIndexItem", "Delphi Help Index", "", P::Popup, 0, 0, Run<&TClassNav::DelphiHelpIndexItemClick>},
        {"InheritedItem", "Inherited Class", "", P::Popup, 0, 0, Run<&TClassNav::InheritedItemClick>},
        {"ClassInfoItem", "Class Info", "", P::Popup, 0, 0, Run<&TClassNav::ClassInfoItemClick>},
        {"OverridesItem", "Overrides...", "", P::Popup, 0, 0, Run<&TClassNav::OverridesItemClick>},
        {"SearchResultsItem", "Last Member Search", "", P::Popup, 0, Disabled | SeparatorAfter,
         Run<&TClassNav::LastMemberSearch>},
        {"AddBookmarkItem", "Add Bookmark", "", P::Popup, 0, Submenu},
        {"GoBookmarkItem", "Move to Bookmark", "", P::Popup, 0, Submenu},
    };
    T.insert(T.end(), Rest.begin(), Rest.end());
    for (int n = 0; n <= 9; ++n)
        T.push_back({"AddBookmark" + std::to_string(n), std::to_string(n), "", P::AddBookmark, n, 0, AddBookmarkItem});
    for (int n = 0; n <= 9; ++n)
        T.push_back({"GoBookmark" + std::to_string(n), std::to_string(n), "", P::GoBookmark, n, 0, GoBookmarkItem});
    return T;
}

}  // namespace

const std::vector<TMenuEntry>& MenuTable() {
    static const std::vector<TMenuEntry> Table = BuildTable();
    return Table;
}

}  // namespace qm
