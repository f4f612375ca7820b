#include "selectlist.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "sourcetext.h"
#include "userprompts.h"

namespace qm {
namespace {

// A sorted list box orders without regard to letter case; same texts but for case keep a fixed order.
bool TextBefore(const QString& A, const QString& B) {
    const int folded = A.compare(B, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : A < B;
}

}  // namespace

QString EntryText(const std::string& Text) {
    return SourceText(Text);
}

void AddEntry(QListWidget& List, const QString& Text, int ID) {
    auto* item = new QListWidgetItem(Text, &List);
    item->setData(Qt::UserRole, ID);
}

void FillList(QListWidget& List, const TStringItems& Items, bool Sorted) {
    List.clear();
    for (const TStringItem& item : Items) AddEntry(List, EntryText(item.Text), item.ID);
    if (Sorted) SortEntries(List);
}

void SortEntries(QListWidget& List) {
    std::vector<QListWidgetItem*> items;
    while (List.count() > 0) items.push_back(List.takeItem(0));
    std::stable_sort(items.begin(), items.end(),
                     [](const QListWidgetItem* A, const QListWidgetItem* B) { return TextBefore(A->text(), B->text()); });
    for (QListWidgetItem* item : items) List.addItem(item);
}

int EntryID(const QListWidgetItem* Item) {
    return Item ? Item->data(Qt::UserRole).toInt() : 0;
}

namespace {

// As wide as the longest entry needs, never narrower than the form was drawn, never wider than
// the screen's free area.
void FitToEntries(QDialog& Dialog, QListWidget& List) {
    static const char* const DrawnWidth = "qmDrawnWidth";
    if (!Dialog.property(DrawnWidth).isValid()) Dialog.setProperty(DrawnWidth, Dialog.width());
    Dialog.ensurePolished();
    const QMargins Margins = Dialog.layout() ? Dialog.layout()->contentsMargins() : QMargins();
    const int Around = Margins.left() + Margins.right() + 2 * List.frameWidth() + List.verticalScrollBar()->sizeHint().width();
    int Wanted = std::max(Dialog.property(DrawnWidth).toInt(), List.sizeHintForColumn(0) + Around);
    if (const QScreen* Screen = Dialog.screen() ? Dialog.screen() : QGuiApplication::primaryScreen())
        Wanted = std::min(Wanted, Screen->availableGeometry().width() - (Dialog.frameGeometry().width() - Dialog.width()));
    Dialog.resize(Wanted, Dialog.height());
}

}  // namespace

int ChooseEntry(QDialog& Dialog, QListWidget& List) {
    List.setCurrentRow(0);
    List.setFocus();
    FitToEntries(Dialog, List);
    if (Prompts().RunModal(Dialog) != QDialog::Accepted) return 0;
    return EntryID(List.currentItem());
}

int ChooseOne(QDialog& Dialog, QListWidget& List) {
    if (List.count() == 0) return -1;
    if (List.count() == 1) return EntryID(List.item(0));
    return ChooseEntry(Dialog, List);
}

int SelectByName(QDialog& Dialog, QListWidget& List, int Count, const std::function<int(int Index)>& IDAt,
                 const std::function<std::string(int ID)>& TextOf) {
    List.clear();
    for (int i = Count - 1; i >= 0; --i) {
        const int id = IDAt(i);
        AddEntry(List, EntryText(TextOf(id)), id);
    }
    return ChooseOne(Dialog, List);
}

void AcceptOnDoubleClick(QDialog& Dialog, QListWidget& List, std::function<bool()> Enabled) {
    QObject::connect(&List, &QListWidget::itemDoubleClicked, &Dialog, [&Dialog, Enabled = std::move(Enabled)] {
        if (!Enabled || Enabled()) Dialog.accept();
    });
}

void SystemMenuOnly(QDialog& Dialog) {
    Dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
}

TWaitCursor::TWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TWaitCursor::~TWaitCursor() {
    QApplication::restoreOverrideCursor();
}

}  // namespace qm
