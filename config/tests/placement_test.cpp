// The placement record's layout, and a window's placement stored and applied back.
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <ostream>

#include "placement.h"
#include "settingsfixture.h"
#include "windowplacement.h"

// Rectangles in failure messages as numbers.
inline void PrintTo(const QRect& Rect, std::ostream* Out) {
    *Out << Rect.x() << ',' << Rect.y() << ' ' << Rect.width() << 'x' << Rect.height();
}

namespace qm {

namespace {

class ConfigPlacement : public SettingsTest {
protected:
    static std::unique_ptr<QWidget> Window(const QRect& Geometry = QRect(100, 120, 400, 300)) {
        auto window = std::make_unique<QWidget>();
        window->setObjectName("ClassNav");
        window->setGeometry(Geometry);
        return window;
    }

    static void StorePlacement(const QVariant& Value) {
        QSettings settings(UserSettingsFile(), QSettings::NativeFormat);
        settings.setValue("ClassNav/Placement", Value);
    }

    static QByteArray Record(int32_t Length, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) {
        TWindowPlacement placement;
        placement.Length = Length;
        placement.Left = Left;
        placement.Top = Top;
        placement.Right = Right;
        placement.Bottom = Bottom;
        return EncodePlacement(placement);
    }
};

TEST(ConfigPlacementRecord, ElevenLittleEndianFieldsInTheWindowSystemsOrder) {
    const TWindowPlacement placement{44, 2, 3, -1, -1, 5, 6, 10, 20, 1034, 788};
    const QByteArray data = EncodePlacement(placement);
    ASSERT_EQ(data.size(), 44);
    EXPECT_EQ(data.left(16).toHex(), "2c000000" "02000000" "03000000" "ffffffff");
    EXPECT_EQ(data.mid(28).toHex(), "0a000000" "14000000" "0a040000" "14030000");
    EXPECT_EQ(DecodePlacement(data), placement);
}

TEST_F(ConfigPlacement, NormalAndMaximisedWindowsComeBackAsTheyWere) {
    auto saved = Window();
    SavePlacement(*saved);
    const QByteArray stored = StoredValue("ClassNav/Placement").toByteArray();
    ASSERT_EQ(stored.size(), 44);
    EXPECT_EQ(DecodePlacement(stored), (TWindowPlacement{44, 0, 1, -1, -1, -1, -1, 100, 120, 500, 420}));

    auto restored = Window(QRect(0, 0, 200, 100));
    EXPECT_TRUE(RestorePlacement(*restored));
    EXPECT_EQ(restored->geometry(), QRect(100, 120, 400, 300));
    EXPECT_FALSE(restored->isMaximized());

    saved->setWindowState(Qt::WindowMaximized);
    SavePlacement(*saved);
    restored = Window(QRect(0, 0, 200, 100));
    EXPECT_TRUE(RestorePlacement(*restored));
    EXPECT_TRUE(restored->isMaximized());
    EXPECT_EQ(restored->normalGeometry(), QRect(100, 120, 400, 300));
}

TEST_F(ConfigPlacement, AMinimisedWindowComesBackAsItWasBeforeMinimising) {
    for (const bool maximised : {false, true}) {
        auto saved = Window();
        saved->setWindowState(maximised ? Qt::WindowMinimized | Qt::WindowMaximized : Qt::WindowMinimized);
        SavePlacement(*saved);
        auto restored = Window(QRect(0, 0, 200, 100));
        EXPECT_TRUE(RestorePlacement(*restored));
        EXPECT_FALSE(restored->isMinimized());
        EXPECT_EQ(restored->isMaximized(), maximised);
    }
}

TEST_F(ConfigPlacement, AWindowOffEveryScreenMovesToThePrimaryOne) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    StorePlacement(Record(44, screen.right() + 5000, 40, screen.right() + 5300, 240));
    auto window = Window();
    EXPECT_TRUE(RestorePlacement(*window));
    EXPECT_EQ(window->geometry().size(), QSize(300, 200));
    EXPECT_EQ(window->geometry().center(), screen.center());
}

// A stored rectangle the screen cannot show is made no larger than the screen's working area and moved
// onto it; one on no screen at all (a monitor since removed) comes to the middle of the primary screen.
TEST_F(ConfigPlacement, APlacementThatDoesNotFitComesBackOnTheScreen) {
    const QRect a = QGuiApplication::primaryScreen()->availableGeometry();
    const int32_t right = a.left() + a.width(), bottom = a.top() + a.height();  // exclusive, as stored
    QRect middle(0, 0, 300, 200);
    middle.moveCenter(a.center());
    struct TCase {
        const char* What;
        QByteArray Stored;
        QRect Expected;
    };
    const TCase cases[] = {
        {"millions of pixels each way", Record(44, -16000000, -16000000, 16000000, 16000000), a},
        {"the whole 32-bit range", Record(44, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), a},
        {"larger than the screen", Record(44, a.left(), a.top(), right + 500, bottom + 300), a},
        {"over the left edge", Record(44, a.left() - 100, a.top() + 50, a.left() + 300, a.top() + 350),
         QRect(a.left(), a.top() + 50, 400, 300)},
        {"over the bottom edge", Record(44, a.left() + 10, bottom - 100, a.left() + 410, bottom + 200),
         QRect(a.left() + 10, bottom - 300, 400, 300)},
        {"on a monitor left of this one", Record(44, a.left() - 3000, a.top() + 40, a.left() - 2700, a.top() + 240),
         middle},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        StorePlacement(c.Stored);
        auto window = Window();
        EXPECT_TRUE(RestorePlacement(*window));
        EXPECT_EQ(window->geometry(), c.Expected);
    }
}

TEST_F(ConfigPlacement, WithoutAUsablePlacementTheWindowStaysWhereItIs) {
    const std::pair<const char*, QVariant> cases[] = {
        {"no key", QVariant()},
        {"short", Record(44, 1, 2, 300, 400).left(40)},
        {"length field", Record(40, 1, 2, 300, 400)},
        {"inverted", Record(44, 300, 400, 1, 2)},
    };
    for (const auto& [what, value] : cases) {
        SetUp();
        if (value.isValid()) StorePlacement(value);
        auto window = Window();
        EXPECT_FALSE(RestorePlacement(*window)) << what;
        EXPECT_EQ(window->geometry(), QRect(100, 120, 400, 300)) << what;
    }
    // The window's key holds other values but no placement.
    QSettings(UserSettingsFile(), QSettings::NativeFormat).setValue("ClassNav/Other", "x");
    auto window = Window();
    EXPECT_FALSE(RestorePlacement(*window));
}

TEST_F(ConfigPlacement, APlacementOfAnotherTypeOrTooLongIsNotUsedAndTold) {
    const QVariant values[] = {Record(44, 1, 2, 300, 400) + "xxxx", QString("100 120 500 420")};
    for (const QVariant& value : values) {
        SCOPED_TRACE(value.typeName());
        SetUp();
        StorePlacement(value);
        auto window = Window();
        EXPECT_FALSE(RestorePlacement(*window));
        EXPECT_EQ(window->geometry(), QRect(100, 120, 400, 300));
        EXPECT_EQ(Notices(), std::vector<std::string>{"The setting Placement in section ClassNav of " +
                                                      UserSettingsFile().toStdString() +
                                                      " is not used: it is not a window placement"});
    }
}

}  // namespace

}  // namespace qm
