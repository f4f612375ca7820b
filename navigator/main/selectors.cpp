// The top panel: the Classes and Units selectors, the class search, the text search, and the Edit
// menu's Copy and Paste.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeView>

#include "appwindows.h"
#include "classinfopage.h"
#include "clsdlg1.h"
#include "descendantspage.h"
#include "format.h"
#include "main1.h"
#include "mpfdlg1.h"
#include "selectorpanel.h"
#include "sourcetext.h"
#include "ucmdlg.h"
#include "udlg1.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "xre.h"

namespace qm {
namespace {

void TextNotFound(const QString& Text) {
    Prompts().ShowError(QStringLiteral("Unable to find the text \"%1\"").arg(QString::fromStdString(Shortened(Text.toStdString()))));
}

void UnknownIdentifier(const std::string& ClassName, const std::string& MemberName) {
    Prompts().ShowInformation(QStringLiteral("Unknown identifier %1.%2").arg(SourceText(ClassName), SourceText(MemberName)));
}

}  // namespace

void TClassNav::ShowClass(const std::string& UnitName, const std::string& ClassName) {
    TVCLDB& Db = VCLDB();
    FSelectors->Fill(ClassName, UnitName);
    const int X = Db.ClassesIDByNameIndex(ClassName, 0);
    GoTo(Db.ClassPlace(X), true);
    FillClassList(X);
}

void TClassNav::ClassSearch() {
    TVCLDB& Db = VCLDB();
    std::string T = FSelectors->ClassText();
    std::string M;
    if (const size_t Dot = T.find('.'); Dot != std::string::npos) {
        M = T.substr(Dot + 1);
        if (const size_t Second = M.find('.'); Second != std::string::npos) M.resize(Second);
        T.resize(Dot);
    }
    int K;
    TPlace Target;
    if (!M.empty()) {
        if (Db.ClassCountByName(T) < 1) return UnknownIdentifier(T, M);
        K = Windows().ClassMemberDlg->SelectClassMember(T, M);
        if (K == 0) return;
        if (K == -1) return UnknownIdentifier(T, M);
        Target = Db.MemberPlace(K, M);
    } else if (Db.ClassCountByName(T) >= 1) {
        K = Windows().ClassDlg->SelectClass(T);
        if (K == 0) return;
        Target = Db.ClassPlace(K);
    } else {
        K = Windows().MPFDlg->SelectMember(T);
        if (K == 0) return;
        if (K == -1) {
            HelpForWord(T);
            if (!DelphiHelpShown()) UnknownIdentifier(T, "");
            return;
        }
        M = T;
        Target = Db.MemberPlace(K, T);
    }
    GoToSearchTarget(K, M, Target);
}

void TClassNav::GoToSearchTarget(int ClassID, const std::string& Member, const TPlace& Target) {
    if (SourcePageActive()) {
        FSelectors->ShowClassName(VCLDB().GetClassName(ClassID));
        GoTo(Target, true);
        return;
    }
    FillClassList(ClassID);
    FClassInfo->FocusMember(SourceText(Member));
}

void TClassNav::UnitsCBChange() {
    const int U = Windows().UnitsDlg->SelectUnit(FSelectors->UnitText());
    if (U > 0) GoTo({U, 1}, true);
}

void TClassNav::TextSearchGoSBClick() {
    const QString S = TextSearchEdit()->text();
    if (S.isEmpty()) return;
    if (SourcePageActive()) {
        const int Found = Memo()->Lines().Find(S, Memo()->CursorCharPos() + 1);
        if (Found < 0) {
            TextNotFound(S);
            return;
        }
        Memo()->SetSelection(Found, Found + static_cast<int>(S.size()));
        Memo()->setFocus();
        return;
    }
    if (PageActive(ClassInfoTabSheet()) && FClassInfo->FocusPrefix(S)) {
        ClassListView()->setFocus();
        return;
    }
    if (PageActive(FDescendantsTab) && FDescendants->FocusPrefix(S)) {
        FDescendants->View().setFocus();
        return;
    }
    TextNotFound(S);
}

void TClassNav::CTRLFClick() {
    TextSearchEdit()->setFocus();
    TextSearchEdit()->selectAll();
}

void TClassNav::SearchSCClick() {
    ClassesCB()->setFocus();
}

namespace {

// The selector whose text the focused control shows, if any.
QComboBox* SelectorOf(QWidget* Focus, QComboBox* Classes, QComboBox* Units) {
    if (Focus == Classes || (Focus && Focus == Classes->lineEdit())) return Classes;
    if (Focus == Units) return Units;
    return nullptr;
}

}  // namespace

void TClassNav::CopyItemClick() {
    QWidget* Focus = focusWidget();
    if (Focus == Memo()) {
        Memo()->copy();
    } else if (QComboBox* Box = SelectorOf(Focus, ClassesCB(), UnitsCB())) {
        QApplication::clipboard()->setText(Box->currentText());
    } else if (Focus == TextSearchEdit()) {
        TextSearchEdit()->copy();
    }
}

// Pasting into a selector never starts a search. The Units selector holds only its own entries:
// text that names one of them (in any letter case) chooses it, other text changes nothing.
void TClassNav::PasteItemClick() {
    QWidget* Focus = focusWidget();
    const QString Text = QApplication::clipboard()->text();
    if (QComboBox* Box = SelectorOf(Focus, ClassesCB(), UnitsCB())) {
        const QSignalBlocker Quiet(Box);
        if (Box == ClassesCB()) {
            Box->setEditText(Text);
        } else if (const int Index = Box->findText(Text.trimmed(), Qt::MatchFixedString); Index >= 0) {
            Box->setCurrentIndex(Index);
        } else {
            Prompts().Beep();
        }
    } else if (Focus == TextSearchEdit()) {
        TextSearchEdit()->paste();
    }
}

}  // namespace qm
