// The main window's frame: controls, menus from the menu table, showing, closing and the wiring
// of the controls' events to their handlers.
#include "main1.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "appwindows.h"
#include "classinfopage.h"
#include "classlistview.h"
#include "descendantspage.h"
#include "menutable.h"
#include "loadprogress.h"
#include "selectorpanel.h"
#include "sourceplace.h"
#include "statuspanels.h"
#include "ui_main1.h"
#include "unitsdraw.h"
#include "windowhelp.h"
#include "windowprint.h"
#include "xre.h"

namespace qm {

TClassNav::TClassNav(QWidget* Parent) : QMainWindow(Parent), FUi(std::make_unique<Ui::ClassNav>()) {
    FUi->setupUi(this);
    setObjectName(QStringLiteral("ClassNav"));

    // Where "Courier New" and "MS Sans Serif" are missing, the nearest fixed-pitch and sans-serif
    // fonts stand in (fontconfig's metric twins where installed).
    QFont Source = Memo()->font();
    Source.setStyleHint(QFont::TypeWriter);
    Source.setFixedPitch(true);
    Memo()->setFont(Source);
    QFont Window = font();
    Window.setStyleHint(QFont::SansSerif);
    setFont(Window);
    FStatus = std::make_unique<TStatusPanels>(*statusBar());
    FLoad = std::make_unique<TLoadProgress>(*FStatus);
    FHelp = std::make_unique<TWindowHelp>();
    FPrinting = std::make_unique<TWindowPrinting>();

    FSource = new TSourcePlace(*Memo(), [this](const QString& Name) { return Item(Name); },
                               [this] { SelectPage(SourceTabSheet()); }, this);
    FSelectors = new TSelectorPanel(*FUi->ClassesCB, *FUi->UnitsCB, this);
    FClassInfo = new TClassInfoPage(*FUi->ClassListView, [this](const QString& Name) { return Item(Name); }, this);
    FDescendantsTab = new QWidget(PageControl());
    FDescendantsTab->setObjectName(QStringLiteral("DescendantsTabSheet"));
    auto* DescendantsView = new QTreeView(FDescendantsTab);
    DescendantsView->setObjectName(QStringLiteral("DescendantsView"));
    DescendantsView->setAccessibleName(QStringLiteral("Descendants"));
    auto* DescendantsLayout = new QVBoxLayout(FDescendantsTab);
    DescendantsLayout->setContentsMargins(0, 0, 0, 0);
    DescendantsLayout->addWidget(DescendantsView);
    PageControl()->addTab(FDescendantsTab, QStringLiteral("Descendants"));
    FDescendants = new TDescendantsPage(*DescendantsView, this);

    UnitsCB()->setItemDelegate(new TUnitsCBDelegate(UnitsCB()));
    Memo()->setContextMenuPolicy(Qt::CustomContextMenu);
    ClassListView()->setContextMenuPolicy(Qt::CustomContextMenu);
    CreateMenus();
    ConnectControls();
}

TClassNav::~TClassNav() = default;

QComboBox* TClassNav::ClassesCB() const { return FUi->ClassesCB; }
QComboBox* TClassNav::UnitsCB() const { return FUi->UnitsCB; }
QLineEdit* TClassNav::TextSearchEdit() const { return FUi->TextSearchEdit; }
QTabWidget* TClassNav::PageControl() const { return FUi->PageControl; }
QWidget* TClassNav::SourceTabSheet() const { return FUi->SourceTabSheet; }
QWidget* TClassNav::ClassInfoTabSheet() const { return FUi->ClassInfoTabSheet; }
TXRichEdit* TClassNav::Memo() const { return FUi->Memo; }
QTreeView* TClassNav::ClassListView() const { return FUi->ClassListView; }

void TClassNav::Attach(TNavigatorWindows& Windows) {
    FWindows = &Windows;
    FClassInfo->Attach(*Windows.VCLDB);
    FDescendants->Attach(*Windows.VCLDB);
    FSource->Attach(*Windows.VCLDB);
    FSelectors->Attach(*Windows.VCLDB);
}

TVCLDB& TClassNav::VCLDB() const {
    return *FWindows->VCLDB;
}

QAction* TClassNav::Item(const QString& Name) const {
    return findChild<QAction*>(Name);
}

QMenu* TClassNav::Menu(const QString& Name) const {
    return findChild<QMenu*>(Name);
}

void TClassNav::CreateMenus() {
    FMemoPopup = new QMenu(this);
    MemoPopup()->setObjectName(QStringLiteral("MemoPopup"));
    FClassInfoPopup = new QMenu(this);
    FClassInfoPopup->setObjectName(QStringLiteral("ClassInfoPopup"));
    for (const TMenuEntry& Entry : MenuTable()) AddMenuEntry(Entry);
    connect(Menu(QStringLiteral("FileItem")), &QMenu::aboutToShow, this, Guarded([this] { FileItemClick(); }));
    connect(Menu(QStringLiteral("EditItem")), &QMenu::aboutToShow, this, Guarded([this] { EditItemClick(); }));
    connect(Menu(QStringLiteral("FiltersItem")), &QMenu::aboutToShow, this, Guarded([this] { FiltersItemClick(); }));
    connect(MemoPopup(), &QMenu::aboutToShow, this, Guarded([this] { MemoPopupPopup(); }));
    connect(FClassInfoPopup, &QMenu::aboutToShow, this, Guarded([this] { ClassInfoPopupPopup(); }));
}

void TClassNav::AddMenuEntry(const TMenuEntry& Entry) {
    const QString Name = QString::fromStdString(Entry.Name);
    const QString Caption = QString::fromStdString(Entry.Caption);
    auto Container = [this](TMenuPlace Place) -> QWidget* {
        switch (Place) {
        case TMenuPlace::Bar: return menuBar();
        case TMenuPlace::File: return Menu(QStringLiteral("FileItem"));
        case TMenuPlace::Edit: return Menu(QStringLiteral("EditItem"));
        case TMenuPlace::Filters: return Menu(QStringLiteral("FiltersItem"));
        case TMenuPlace::Help: return Menu(QStringLiteral("HelpItem"));
        case TMenuPlace::Popup: return MemoPopup();
        case TMenuPlace::ClassInfoPopup: return FClassInfoPopup;
        case TMenuPlace::AddBookmark: return Menu(QStringLiteral("AddBookmarkItem"));
        case TMenuPlace::GoBookmark: return Menu(QStringLiteral("GoBookmarkItem"));
        case TMenuPlace::Hidden: return this;
        }
        return this;
    };
    QWidget* Owner = Container(Entry.Place);
    QAction* Action;
    if (Entry.Flags & Submenu) {
        auto* Sub = new QMenu(Caption, Owner);
        Sub->setObjectName(Name);
        Action = Sub->menuAction();
    } else {
        Action = new QAction(Caption, Owner);
    }
    Action->setObjectName(Name);
    Action->setProperty("Tag", Entry.Tag);
    if (!Entry.Shortcut.empty()) {
        Action->setShortcut(QKeySequence(QString::fromStdString(Entry.Shortcut), QKeySequence::PortableText));
        Action->setShortcutContext(Qt::WindowShortcut);
    }
    if (Entry.Flags & (Checked | Unchecked)) {
        Action->setCheckable(true);
        Action->setChecked(Entry.Flags & Checked);
    }
    if (Entry.Flags & Disabled) Action->setEnabled(false);
    // Hidden items exist for their shortcuts only: they belong to the window, not to a menu,
    // because Qt ignores the shortcut of an item that is not visible.
    Owner->addAction(Action);
    if (Entry.Flags & SeparatorAfter) {
        if (auto* M = qobject_cast<QMenu*>(Owner)) M->addSeparator();
    }
    if (Entry.Command) {
        const auto Command = Entry.Command;
        connect(Action, &QAction::triggered, this,
                Guarded([this, Command, Action] { Command(*this, *Action); }));
    }
}

void TClassNav::ConnectControls() {
    connect(PageControl(), &QTabWidget::currentChanged, this, Guarded([this] { PageControlChange(); }));
    connect(Memo(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& Pos) { MemoPopup()->popup(Memo()->viewport()->mapToGlobal(Pos)); });
    connect(ClassListView(), &QWidget::customContextMenuRequested, this, [this](const QPoint& Pos) {
        FClassInfoPopup->popup(ClassListView()->viewport()->mapToGlobal(Pos));
    });
    connect(ClassListView()->header(), &QHeaderView::sectionClicked, this,
            [this](int Column) { RunCommand([this, Column] { ClassListViewColumnClick(Column); }); });
    connect(FUi->ClassListView, &TClassListView::DblClick, this, Guarded([this] { ClassListViewDblClick(); }));
    connect(FDescendants, &TDescendantsPage::ClassChosen, this,
            [this](int ClassID) { RunCommand([this, ClassID] { DescendantChosen(ClassID); }); });
    connect(FSelectors, &TSelectorPanel::UnitChosen, this, Guarded([this] { UnitsCBChange(); }));
    connect(FSelectors, &TSelectorPanel::SearchRequested, this, Guarded([this] { ClassSearch(); }));
    connect(FUi->TextSearchGoSB, &QToolButton::clicked, this, Guarded([this] { TextSearchGoSBClick(); }));
    connect(TextSearchEdit(), &QLineEdit::returnPressed, this, Guarded([this] { TextSearchGoSBClick(); }));
    connect(Memo(), &TXRichEdit::DblClick, this, Guarded([this] { MemoDblClick(); }));
    // The window's own Copy and Paste items (and the other shortcuts) win over the controls' built-in
    // ones, so that Copy on a selector takes its whole text.
    for (QWidget* Control : {static_cast<QWidget*>(Memo()), static_cast<QWidget*>(TextSearchEdit()),
                             static_cast<QWidget*>(ClassesCB()), static_cast<QWidget*>(UnitsCB())})
        Control->installEventFilter(this);
    if (ClassesCB()->lineEdit()) ClassesCB()->lineEdit()->installEventFilter(this);
}

bool TClassNav::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::ShortcutOverride) {
        const auto* Key = static_cast<QKeyEvent*>(Event);
        static const QList<QKeySequence> Shortcuts = [] {
            QList<QKeySequence> Keys;
            for (const TMenuEntry& Entry : MenuTable())
                if (!Entry.Shortcut.empty())
                    Keys << QKeySequence(QString::fromStdString(Entry.Shortcut), QKeySequence::PortableText);
            return Keys;
        }();
        if (Shortcuts.contains(QKeySequence(Key->keyCombination()))) {
            Event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(Watched, Event);
}

void TClassNav::showEvent(QShowEvent* Event) {
    QMainWindow::showEvent(Event);
    if (!FShown) {
        FShown = true;
        ReportErrors([this] { FormShow(); });
    }
}

void TClassNav::closeEvent(QCloseEvent* Event) {
    if (FLoad->Loading()) {
        // The load stops at its next step, rolling back the unit being written; the window
        // closes when it has.
        FLoad->RequestStop();
        Event->ignore();
        return;
    }
    bool Allowed = true;
    ReportErrors([this, &Allowed] { Allowed = FormCloseQuery(); });
    if (Allowed) Event->accept();
    else Event->ignore();
}

void TClassNav::Exit1Click() {
    close();
}

void TClassNav::SelectPage(QWidget* Page) {
    if (PageControl()->currentWidget() == Page) return;
    const QSignalBlocker Quiet(PageControl());
    PageControl()->setCurrentWidget(Page);
    PageControlChange();
}

void TClassNav::PageControlChange() {
    // The unit selector belongs to the Source page: the other pages follow a class.
    UnitsCB()->setEnabled(SourcePageActive());
    FDescendants->SetInView(PageActive(FDescendantsTab));
}

bool TClassNav::PageActive(const QWidget* Page) const {
    return PageControl()->currentWidget() == Page;
}

bool TClassNav::SourcePageActive() const {
    return PageActive(SourceTabSheet());
}

void TClassNav::EditItemClick() {
    Item(QStringLiteral("CopyItem"))->setEnabled(SourcePageActive());
}

}  // namespace qm
