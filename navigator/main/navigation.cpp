// Going where a double-clicked word is declared, and the popup commands that start from the
// cursor line: "Inherited Class" and "Class Info".
#include "appwindows.h"
#include "asciitext.h"
#include "classinfopage.h"
#include "clsdlg1.h"
#include "main1.h"
#include "sourcetext.h"
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

}  // namespace

void TClassNav::MemoDblClick() {
    TVCLDB& Db = VCLDB();
    const int L = Memo()->CursorLinePos() + 1;
    const std::string W = ClickedWord(Memo()->textCursor().selectedText());
    // Blank indentation names nothing; text whose unit has gone has no context to resolve in.
    if (W.empty() || Db.CurrentUnitID == 0) return;
    TLineInfoRec Info;
    Db.ResolveIdentifier(W, L, Info);
    if (Info.Ambiguous) {
        const int K = Windows().ClassDlg->SelectClass(W);
        if (K > 0) GoTo(Db.ClassPlace(K), true);
    } else if (Info.Found) {
        GoTo({Info.UnitID, Info.LineNumber}, true);
    } else if (!Info.Keyword) {
        HelpForWord(W);
    } else if (Info.ClassID != 0) {
        Prompts().ShowInformation(QStringLiteral("Internal Error: Unable to find OVERRIDDEN method"));
    }
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

void TClassNav::ClassInfoItemClick() {
    if (VCLDB().CurrentUnitID == 0) return Prompts().Beep();
    TLineInfoRec Info;
    VCLDB().GetLineInfo(Memo()->CursorLinePos() + 1, Info);
    FClassInfo->Clear();
    SelectPage(ClassInfoTabSheet());
    FillClassList(Info.ClassID);
}

}  // namespace qm
