// The placement record's layout, and a window's placement stored and applied back.
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include "placement.h"
#include "settingsfixture.h"
#include "windowplacement.h"

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

TEST_F(ConfigPlacement, WithoutAUsablePlacementTheWindowStaysWhereItIs) {
    const std::pair<const char*, QVariant> cases[] = {
        {"no key", QVariant()},
        {"short", Record(44, 1, 2, 300, 400).left(40)},
        {"length field", Record(40, 1, 2, 300, 400)},
        {"inverted", Record(44, 300, 400, 1, 2)},
        {"far away", Record(44, -2000000000, 0, 2000000000, 400)},
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
