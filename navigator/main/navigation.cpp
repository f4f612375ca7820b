// Going where a double-clicked word is declared, and the popup commands that start from the
// cursor line: "Inherited Class", "Class Info" and "Overrides...".
#include "appwindows.h"
#include "asciitext.h"
#include "classinfopage.h"
#include "clsdlg1.h"
#include "classlist.h"
#include "main1.h"
#include "memberlist.h"
#include "sourcetext.h"
#include "typequeries.h"
#include "userprompts.h"
#include "vcldb1.h"
#include "xre.h"

namespace qm {
namespace {

// The double-clicked word: upper case, without blanks and control characters around it.
std::string ClickedWord(const QString& Selection) {
    std::string Word = UpperCase(SourceBytes(Selection));
    const auto Blank = [](char C) { return static_cast<unsigned char>(C) <= ' '; };
    while (!Word.empty() && Blank(Word.back())) Word.pop_back();
    size_t Start = 0;
    while (Start < Word.size() && Blank(Word[Start])) ++Start;
    return Word.substr(Start);
}

// The name written right before the selection and a full stop ("IFoo" of "IFoo.Bar" with Bar
// selected); empty when there is none.
std::string Qualifier(const TXRichEdit& View) {
    const QString& Text = View.Lines().Text();
    int End = std::min(View.Anchor(), View.Caret());
    if (End <= 0 || Text[End - 1] != QLatin1Char('.')) return {};
    int Start = --End;
    while (Start > 0 && TXRichEdit::IsWordChar(Text[Start - 1])) --Start;
    return SourceBytes(Text.mid(Start, End - Start));
}

// The interface a name written as "IFoo.Bar" leads to: the nearest one up from an interface
// named IFoo that declares Bar; 0 when IFoo names no interface with such a method.
int QualifiedInterfaceMethod(TVCLDB& Db, const std::string& Interface, const std::string& Member) {
    if (Interface.empty()) return 0;
    for (int i = 0, n = Db.ClassCountByName(Interface); i < n; ++i) {
        const int X = Db.ClassesIDByNameIndex(Interface, i);
        if (!IsInterfaceKind(Db.ClassRecord(X).Kind)) continue;
        if (const int K = Db.FindMemberClass(X, Member); K != 0 && (Db.GetMemberFlags(K, Member) & KindMethod)) return K;
    }
    return 0;
}

}  // namespace

void TClassNav::MemoDblClick() {
    TVCLDB& Db = VCLDB();
    const int L = Memo()->CursorLinePos() + 1;
    const std::string W = ClickedWord(Memo()->SelectedText());
    // Blank indentation names nothing; text whose unit has gone has no context to resolve in.
    if (W.empty() || Db.CurrentUnitID == 0) return;
    // An interface's method, written with the interface's name (a method resolution clause):
    // where its implementations are.
    if (const int I = QualifiedInterfaceMethod(Db, Qualifier(*Memo()), W); I != 0 && ShowImplementations(I, W)) return;
    TLineInfoRec Info;
    Db.ResolveIdentifier(W, L, Info);
    // An interface's method is implemented by the classes that implement the interface.
    if (Info.Found && !Info.MemberName.empty() && IsInterfaceKind(Db.ClassRecord(Info.ClassID).Kind) &&
        (Db.GetMemberFlags(Info.ClassID, Info.MemberName) & KindMethod) && ShowImplementations(Info.ClassID, Info.MemberName))
        return;
    if (Info.Ambiguous) {
        const int K = Windows().ClassDlg->SelectClass(W);
        if (K > 0) GoTo(Db.ClassPlace(K), true);
    } else if (Info.Found && Info.Overloads > 1) {
        GoToOverload(Info.ClassID, Info.MemberName, Info.Kind == TLineInfoRec::ImplementationHeading);
    } else if (Info.Found) {
        GoTo({Info.UnitID, Info.LineNumber, Info.FileID}, true);
    } else if (!Info.Keyword) {
        HelpForWord(W);
    } else if (Info.ClassID != 0) {
        Prompts().ShowInformation(QStringLiteral("Internal Error: Unable to find OVERRIDDEN method"));
    }
}

// Which overload a name means, asked with each one's parameters and line: the declaration when
// Declarations, else the implementation where there is one.
void TClassNav::GoToOverload(int ClassID, const std::string& Member, bool Declarations) {
    TVCLDB& Db = VCLDB();
    const std::vector<TMemberRow> Overloads = Db.MemberOverloads(ClassID, Member);
    std::vector<TPlace> Places;
    TStringItems Entries;
    for (const TMemberRow& Row : Overloads) {
        const TPlace Place = Declarations ? TPlace{Row.UnitID, Row.IntLN, Row.IntFileID} : TargetPlace(Row);
        Places.push_back(Place);
        Entries.push_back({MemberSignature(Db.GetShortUnitName(Row.UnitID) + "." + Db.GetClassName(ClassID) + "." + Row.Name,
                                           Row.Params) +
                               ", line " + std::to_string(Place.Line),
                           int(Places.size())});
    }
    const int K = Windows().ClassDlg->ChooseClass(
        Entries, QStringLiteral("Overloads of %1.%2").arg(SourceText(Db.GetClassName(ClassID)), SourceText(Member)));
    if (K > 0) GoTo(Places[size_t(K - 1)], true);
}

void TClassNav::InheritedItemClick() {
    TVCLDB& Db = VCLDB();
    if (Db.CurrentUnitID == 0) return Prompts().Beep();
    TLineInfoRec Info;
    Db.GetLineInfo(Memo()->CursorLinePos() + 1, Info);
    const int A = Db.GetAncestorID(Info.ClassID);
    if (A != 0)
        GoTo(Db.ClassPlace(A), true);
    else
        Prompts().ShowInformation(QStringLiteral("This Class has no Ancestor"));
}

void TClassNav::OverridesItemClick() {
    TVCLDB& Db = VCLDB();
    if (Db.CurrentUnitID == 0) return Prompts().Beep();
    const int L = Memo()->CursorLinePos() + 1;
    TLineInfoRec Info;
    // The member the word under the caret names, else the member whose line the caret is on.
    const std::string W = ClickedWord(Memo()->CursorWord());
    if (!W.empty()) Db.ResolveIdentifier(W, L, Info);
    if (!Info.Found || Info.Ambiguous || Info.MemberName.empty()) {
        Info = {};
        Db.GetLineInfo(L, Info);
    }
    if (Info.ClassID == 0 || Info.MemberName.empty()) return Prompts().Beep();
    ShowOverrides(Info.ClassID, Info.MemberName);
}

void TClassNav::MemberOverridesItemClick() {
    const TClassInfoRow* Row = FClassInfo->FocusedRow();
    if (!Row) return Prompts().Beep();
    ShowOverrides(Row->Member.ClassID, Row->Member.Name);
}

void TClassNav::ShowOverrides(int ClassID, const std::string& Member) {
    TVCLDB& Db = VCLDB();
    if (IsInterfaceKind(Db.ClassRecord(ClassID).Kind)) {
        if (!ShowImplementations(ClassID, Member))
            Prompts().ShowInformation(QStringLiteral("No class implements %1.%2")
                                          .arg(SourceText(Db.GetClassName(ClassID)), SourceText(Member)));
        return;
    }
    TOverrides Found;
    Db.ListOverrides(ClassID, Member, Found);
    if (Found.empty()) {
        Prompts().ShowInformation(QStringLiteral("No class derived from %1 declares %2")
                                      .arg(SourceText(Db.GetClassName(ClassID)), SourceText(Member)));
        return;
    }
    TStringItems Entries;
    for (const TOverride& O : Found)
        Entries.push_back({Db.GetShortUnitName(O.Place.UnitID) + "." + O.ClassName + "." + Member + ", line " +
                               std::to_string(O.Place.Line),
                           O.ClassID});
    // A jump as any other: the selectors keep what the user last chose in them.
    const int K = Windows().ClassDlg->ChooseClass(
        Entries, QStringLiteral("Overrides of %1.%2").arg(SourceText(Db.GetClassName(ClassID)), SourceText(Member)));
    for (const TOverride& O : Found)
        if (O.ClassID == K) GoTo(O.Place, true);
}

bool TClassNav::ShowImplementations(int InterfaceID, const std::string& Member) {
    TVCLDB& Db = VCLDB();
    const TOverrides Found = TTypeQueries(Db).Implementations(InterfaceID, Member);
    if (Found.empty()) return false;
    const std::string Name = Db.GetMemberName(InterfaceID, Member);
    TStringItems Entries;
    for (const TOverride& O : Found) {
        // A class that maps the method to one of another name: its declaration shows which.
        const std::string What = O.Declares ? O.ClassName + "." + Name
                                            : O.ClassName + " (" + Db.GetClassName(InterfaceID) + "." + Name + " mapped)";
        Entries.push_back({Db.GetShortUnitName(O.Place.UnitID) + "." + What + ", line " + std::to_string(O.Place.Line),
                           O.ClassID});
    }
    const int K = Windows().ClassDlg->ChooseClass(
        Entries, QStringLiteral("Implementations of %1.%2").arg(SourceText(Db.GetClassName(InterfaceID)), SourceText(Name)));
    for (const TOverride& O : Found)
        if (O.ClassID == K) GoTo(O.Place, true);
    return true;
}

void TClassNav::ClassInfoPopupPopup() {
    const TClassInfoRow* Row = FClassInfo->FocusedRow();
    Item(QStringLiteral("MemberOverridesItem"))->setEnabled(Row && (Row->Member.Flags & KindMethod));
}

void TClassNav::ClassInfoItemClick() {
    if (VCLDB().CurrentUnitID == 0) return Prompts().Beep();
    TLineInfoRec Info;
    VCLDB().GetLineInfo(Memo()->CursorLinePos() + 1, Info);
    FClassInfo->Clear();
    SelectPage(ClassInfoTabSheet());
    FillClassList(Info.ClassID);
}

}  // namespace qm
