// The window as a screen reader hears it: an accessibility bus, a listener in a process of its own
// writing the text, caret and selection events it receives (QM_A11Y_EVENTS), and real keys and
// clicks through XTEST on an X display.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "main1.h"
#include "vcldb1.h"
#include "xcbtest.h"
#include "xre.h"

namespace qm {
namespace {

using TEventTest = std::function<bool(const QJsonObject&)>;

class ScreenReader : public XcbWindowTest {
protected:
    void SetUp() override {
        XcbWindowTest::SetUp();
        if (HasFatalFailure()) return;
        FEvents.setFileName(qEnvironmentVariable("QM_A11Y_EVENTS"));
        ASSERT_TRUE(FEvents.open(QIODevice::ReadOnly)) << "no listener's file: run under a11y_session.sh";
        FEvents.seek(FEvents.size());
    }
    // The bus adds its own delays: waits are longer here.
    static bool WaitFor(const std::function<bool()>& Done, int Ms = 30000) { return XcbWindowTest::WaitFor(Done, Ms); }
    // Events heard from now on are the ones Heard looks at.
    void Mark() {
        Read();
        FFrom = FSeen.size();
    }
    // Whether the listener heard an event of the source view that passes Test since the last
    // Mark, waiting for it as long as the time allowed. The program answers the listener's
    // questions meanwhile, as it must for a screen reader.
    std::optional<QJsonObject> Heard(const TEventTest& Test) {
        std::optional<QJsonObject> Found;
        WaitFor([&] {
            Read();
            for (size_t i = FFrom; i < FSeen.size() && !Found; ++i)
                if (Test(FSeen[i])) Found = FSeen[i];
            return Found.has_value();
        });
        return Found;
    }
    static TEventTest Of(const char* Type) {
        return [Type](const QJsonObject& E) { return E[QStringLiteral("type")].toString() == QLatin1String(Type); };
    }
    static TEventTest CaretAt(int Pos) {
        return [Pos](const QJsonObject& E) {
            return E[QStringLiteral("type")].toString() == QLatin1String("object:text-caret-moved") &&
                   E[QStringLiteral("detail1")].toInt() == Pos;
        };
    }
    static TEventTest Selection(const QJsonArray& Range) {
        return [Range](const QJsonObject& E) {
            return E[QStringLiteral("type")].toString() == QLatin1String("object:text-selection-changed") &&
                   E[QStringLiteral("selection")].toArray() == Range;
        };
    }

private:
    // The whole lines the listener has written since the last read; a line being written waits.
    void Read() {
        FPending += FEvents.readAll();
        for (qsizetype End; (End = FPending.indexOf('\n')) >= 0; FPending.remove(0, End + 1)) {
            const QJsonObject Event = QJsonDocument::fromJson(FPending.left(End)).object();
            if (Event[QStringLiteral("name")].toString() == QLatin1String("Source")) FSeen.push_back(Event);
        }
    }
    QFile FEvents;
    QByteArray FPending;
    std::vector<QJsonObject> FSeen;
    size_t FFrom = 0;
};

// A unit shown, a class of another unit searched by keys, a selection made with Shift+Right and
// collapsed with Left: each change reaches the listener with its text and offsets, and the
// program lives through all of it.
TEST_F(ScreenReader, HearsTheTextTheCaretAndTheSelectionOfTheSource) {
    Start(SampleDatabase());
    ASSERT_TRUE(WaitFor([] { return QAccessible::isActive(); })) << "the bridge to the bus is on";
    TXRichEdit& View = *Nav().Memo();
    const QString Forms = View.Text();
    const int FormsUnit = Db().CurrentUnitID;

    Mark();
    X.Key("s", true);
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == Nav().ClassesCB(); }));
    X.Key("a", true);
    X.Type("TControl");
    X.Key("Return");
    ASSERT_TRUE(WaitFor([&] { return Db().CurrentUnitID != FormsUnit; })) << "another unit shown";
    const QString Controls = View.Text();

    const auto Removed = Heard(Of("object:text-changed:delete"));
    ASSERT_TRUE(Removed) << "the text that went";
    EXPECT_EQ((*Removed)["detail1"].toInt(), 0);
    EXPECT_EQ((*Removed)["detail2"].toInt(), Forms.size());
    EXPECT_EQ((*Removed)["text"].toString(), Forms);
    const auto Inserted = Heard(Of("object:text-changed:insert"));
    ASSERT_TRUE(Inserted) << "the text that came";
    EXPECT_EQ((*Inserted)["detail1"].toInt(), 0);
    EXPECT_EQ((*Inserted)["detail2"].toInt(), Controls.size());
    EXPECT_EQ((*Inserted)["text"].toString(), Controls);
    EXPECT_TRUE(Heard(CaretAt(View.Caret()))) << "the caret on the class's line";

    // A click on the class's name, then a selection by keys, then Left.
    const int Line = View.CursorLinePos();
    const int NameAt = View.LineIndex(Line) + static_cast<int>(View.Lines().Line(Line).indexOf(QLatin1String("TControl")));
    ASSERT_GE(NameAt, View.LineIndex(Line));
    Mark();
    X.MoveTo(View.viewport()->mapToGlobal(View.CursorRect(NameAt).center() + QPoint(1, 0)));
    X.Click();
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == &View && View.Caret() == NameAt; }));
    EXPECT_TRUE(Heard(CaretAt(NameAt)));
    for (int Step = 1; Step <= 3; ++Step) {
        Mark();
        X.Key("Right", false, true);
        EXPECT_TRUE(Heard(CaretAt(NameAt + Step))) << "the caret moved, step " << Step;
        EXPECT_TRUE(Heard(Selection({NameAt, NameAt + Step}))) << "the selection grew, step " << Step;
    }
    EXPECT_EQ(View.SelectedText(), "TCo");
    Mark();
    X.Key("Left");
    EXPECT_TRUE(Heard(CaretAt(NameAt))) << "Left collapses the selection at its start";
    EXPECT_TRUE(Heard(Selection({}))) << "and nothing is selected";
    EXPECT_FALSE(View.HasSelection());
}

// A word chosen by a double-click is offered to other programs as the X primary selection, as
// every text view on X does, and stays there when the jump that follows clears the selection.
TEST_F(ScreenReader, AWordChosenByTheMouseIsThePrimarySelection) {
    Start(SampleDatabase());
    ASSERT_TRUE(QApplication::clipboard()->supportsSelection());
    QApplication::clipboard()->setText(QStringLiteral("before"), QClipboard::Selection);
    TXRichEdit& View = *Nav().Memo();
    int Line = 0;
    while (Line < View.Lines().LineCount() && !View.Lines().Line(Line).contains(QLatin1String("TForm = class(TCustomForm)"))) ++Line;
    ASSERT_LT(Line, View.Lines().LineCount());
    Nav().ShowUnit(Db().CurrentUnitID, Line, false);
    RunFor(50);
    const int At = View.LineIndex(Line) + static_cast<int>(View.Lines().Line(Line).indexOf(QLatin1String("TCustomForm"))) + 3;
    X.MoveTo(View.viewport()->mapToGlobal(View.CursorRect(At).center()));
    X.DoubleClick();
    ASSERT_TRUE(WaitFor([&] { return View.CursorLinePos() != Line; })) << "the jump to the ancestor";
    EXPECT_EQ(QApplication::clipboard()->text(QClipboard::Selection), "TCustomForm");
}

// What the accessibility layer is told, with each event's own class: the bridge to a screen
// reader reads the fields of that class.
struct THeard {
    QAccessible::Event Type;
    bool OwnClass;
    int Caret = -1, Start = -1, End = -1;
    QString Removed, Inserted;
};
std::vector<THeard> Told;
QObject* Speaker = nullptr;

void Hear(QAccessibleEvent* Event) {
    if (Event->object() != Speaker) return;
    THeard H{Event->type(), false};
    switch (Event->type()) {
        case QAccessible::TextCaretMoved:
            if (auto* E = dynamic_cast<QAccessibleTextCursorEvent*>(Event)) H = {H.Type, true, E->cursorPosition()};
            break;
        case QAccessible::TextSelectionChanged:
            if (auto* E = dynamic_cast<QAccessibleTextSelectionEvent*>(Event))
                H = {H.Type, true, E->cursorPosition(), E->selectionStart(), E->selectionEnd()};
            break;
        case QAccessible::TextUpdated:
            if (auto* E = dynamic_cast<QAccessibleTextUpdateEvent*>(Event))
                H = {H.Type, true, E->cursorPosition(), E->changePosition(), -1, E->textRemoved(), E->textInserted()};
            break;
        case QAccessible::TextInserted:
            H.OwnClass = dynamic_cast<QAccessibleTextInsertEvent*>(Event) != nullptr;
            break;
        case QAccessible::TextRemoved:
            H.OwnClass = dynamic_cast<QAccessibleTextRemoveEvent*>(Event) != nullptr;
            break;
        default:
            return;
    }
    Told.push_back(H);
}

// The view by itself, its events taken where the bridge would take them, one step at a time:
// texts shown, a click, Shift+Right, Left and Shift+Up.
TEST_F(ScreenReader, EachChangeOfTheViewIsToldWithItsOwnEventClass) {
    TXRichEdit View;
    View.resize(400, 200);
    View.ShowText(std::make_shared<const TSourceLines>("unit A;"));
    View.show();
    View.activateWindow();
    View.setFocus();
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == &View; }));
    ASSERT_TRUE(WaitFor([] { return QAccessible::isActive(); })) << "the bridge to the bus is on";
    Speaker = &View;
    QAccessible::installUpdateHandler(Hear);
    const auto Caret = [](int Pos) { return THeard{QAccessible::TextCaretMoved, true, Pos}; };
    const auto Selection = [](int Pos, int Start, int End) { return THeard{QAccessible::TextSelectionChanged, true, Pos, Start, End}; };
    const auto Until = [&](size_t Count) { return WaitFor([&] { return Told.size() >= Count; }, 10000); };
    const struct { const char* What; std::function<void()> Do; std::vector<THeard> Want; } Steps[] = {
        {"another text", [&] { View.ShowText(std::make_shared<const TSourceLines>("abc\ndef")); },
         {{QAccessible::TextUpdated, true, 0, 0, -1, "unit A;", "abc\ndef"}}},
        {"a click", [&] {
             X.MoveTo(View.viewport()->mapToGlobal(View.CursorRect(5).center() + QPoint(1, 0)));
             X.Click();
         }, {Caret(5)}},
        {"Shift+Right", [&] { X.Key("Right", false, true); }, {Selection(6, 5, 6), Caret(6)}},
        {"Shift+Right again", [&] { X.Key("Right", false, true); }, {Selection(7, 5, 7), Caret(7)}},
        {"Left", [&] { X.Key("Left"); }, {Selection(5, 5, 5), Caret(5)}},
        {"Left with nothing selected", [&] { X.Key("Left"); }, {Caret(4)}},
        {"Shift+Up", [&] { X.Key("Up", false, true); }, {Selection(0, 0, 4), Caret(0)}},
        {"no text", [&] { View.ShowEmpty(); }, {{QAccessible::TextUpdated, true, 0, 0, -1, "abc\ndef", ""}}},
    };
    for (const auto& S : Steps) {
        Told.clear();
        S.Do();
        Until(S.Want.size());
        RunFor(50);  // nothing more comes
        EXPECT_EQ(Told.size(), S.Want.size()) << S.What;
        for (size_t i = 0; i < std::min(Told.size(), S.Want.size()); ++i) {
            const THeard &Got = Told[i], &Want = S.Want[i];
            EXPECT_EQ(Got.Type, Want.Type) << S.What << " #" << i;
            EXPECT_TRUE(Got.OwnClass) << S.What << " #" << i << ": a plain event of a text kind";
            EXPECT_EQ(Got.Caret, Want.Caret) << S.What << " #" << i;
            EXPECT_EQ(Got.Start, Want.Start) << S.What << " #" << i;
            EXPECT_EQ(Got.End, Want.End) << S.What << " #" << i;
            EXPECT_EQ(Got.Removed, Want.Removed) << S.What << " #" << i;
            EXPECT_EQ(Got.Inserted, Want.Inserted) << S.What << " #" << i;
        }
    }
    QAccessible::installUpdateHandler(nullptr);
    Speaker = nullptr;
}

}  // namespace
}  // namespace qm
