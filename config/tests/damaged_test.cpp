// Damaged settings: whatever the file holds, every place that reads it falls back to its default, each
// problem is told once, and a store that cannot be read is never overwritten.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QWidget>
#include <unistd.h>

#include "cfgfiler.h"
#include "placement.h"
#include "settings.h"
#include "settingsfixture.h"

namespace qm {

namespace {

// The program's three readers of the settings: a General value, the dialog's values, the placement.
struct TReaders {
    TReaders() {
        Form.setObjectName("ConfigDlg");
        Lines = new QLineEdit("72", &Form);
        Lines->setObjectName("LinesPerPageEdit");
        Help = new QCheckBox(&Form);
        Help->setObjectName("DelphiHelpCB");
        Help->setChecked(true);
        Window.setObjectName("ClassNav");
        Window.setGeometry(100, 120, 400, 300);
    }

    // Every value read must be its default.
    void ReadAll() {
        EXPECT_EQ(ReadSetting("DelphiHelpDir", "default"), "default");
        EXPECT_NO_THROW(LoadFormConfig(Form));
        EXPECT_EQ(Lines->text(), "72");
        EXPECT_EQ(Help->checkState(), Qt::Checked);
        EXPECT_FALSE(RestorePlacement(Window));
        EXPECT_EQ(Window.geometry(), QRect(100, 120, 400, 300));
    }

    QWidget Form;
    QLineEdit* Lines;
    QCheckBox* Help;
    QWidget Window;
};

std::string NotUsed(const char* Name, const char* Section, const QString& File, const char* Kind) {
    return std::string("The setting ") + Name + " in section " + Section + " of " + File.toStdString() +
           " is not used: it is not " + Kind;
}

const char* const Text = "a text (a text with a comma belongs in double quotes)";

class ConfigDamagedSettings : public SettingsTest {
protected:
    // Reads and writes everything in a store made unreadable: defaults, one notice, the store untouched.
    static void ExpectUnreadableStoreLeftAlone(const QString& File) {
        const QFileInfo before(File);
        TReaders readers;
        readers.ReadAll();
        readers.ReadAll();
        EXPECT_NO_THROW(WriteSetting("DelphiHelpDir", "/new/help/"));
        EXPECT_NO_THROW(SaveFormConfig(readers.Form));
        EXPECT_NO_THROW(SavePlacement(readers.Window));
        EXPECT_EQ(Notices(), std::vector<std::string>{"Settings cannot be read from " + File.toStdString() +
                                                      ": the defaults are used and settings will not be kept"});
        const QFileInfo after(File);
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after.lastModified(), before.lastModified());
    }
};

TEST_F(ConfigDamagedSettings, AValueThatCannotBeUsedReadsAsItsDefaultAndIsToldOnce) {
    struct TCase {
        const char* What;
        QByteArray Value;  // as a person types it
        bool PlacementTold;
    };
    const TCase cases[] = {
        {"a list", "1,2", true},
        {"a list with blanks", "a, b", true},
        {"a byte block", "@ByteArray(\\x00)", false},  // for the placement merely a short one
        {"a byte block longer than a placement", "@ByteArray(" + QByteArray(45, 'x') + ")", true},
        {"a number", "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)", true},
        {"a point", "@Point(1 2)", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        SetUp();
        WriteFile(UserSettingsFile(), "[General]\nDelphiHelpDir=" + c.Value + "\nVCLSourcePath=/opt/SOURCE/\n"
                                      "[ConfigDlg]\nLinesPerPageEdit=" + c.Value + "\nDelphiHelpCB=" + c.Value + "\n"
                                      "[ClassNav]\nPlacement=" + c.Value + "\n");
        TReaders readers;
        readers.ReadAll();
        readers.ReadAll();
        EXPECT_EQ(ReadSetting("VCLSourcePath", ""), "/opt/SOURCE/");
        const QString file = UserSettingsFile();
        std::vector<std::string> told = {NotUsed("DelphiHelpDir", "General", file, Text),
                                         NotUsed("LinesPerPageEdit", "ConfigDlg", file, Text),
                                         NotUsed("DelphiHelpCB", "ConfigDlg", file, Text)};
        if (c.PlacementTold) told.push_back(NotUsed("Placement", "ClassNav", file, "a window placement"));
        EXPECT_EQ(Notices(), told);
    }
}

// A text that names no state of a check box: the box keeps its state and the value is named once,
// quoted, its control bytes escaped, shortened when long.
TEST_F(ConfigDamagedSettings, AStateThatIsNoStateReadsAsItsDefaultAndIsNamedOnce) {
    struct TCase {
        const char* What;
        QByteArray Value;  // as a person types it
        std::string Named;
    };
    const TCase cases[] = {
        {"a word of no state", "cbMaybe", "cbMaybe"},
        {"a state cut short", "cbCheck", "cbCheck"},
        {"control bytes", "cb\x01\x1B", "cb\\x01\\x1B"},
        {"an unclosed quote", "\"cbChecked", "cbChecked\\n[ClassNav]\\n"},
        {"a long text", QByteArray(5000, 'x'), std::string(200, 'x') + "..."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        SetUp();
        WriteFile(UserSettingsFile(), "[ConfigDlg]\nLinesPerPageEdit=60\nDelphiHelpCB=" + c.Value + "\n[ClassNav]\n");
        TReaders readers;
        LoadFormConfig(readers.Form);
        LoadFormConfig(readers.Form);
        EXPECT_EQ(readers.Lines->text(), "60");
        EXPECT_EQ(readers.Help->checkState(), Qt::Checked);
        EXPECT_EQ(Notices(), std::vector<std::string>{"The setting DelphiHelpCB in section ConfigDlg of " +
                                                      UserSettingsFile().toStdString() + " is not used: \"" +
                                                      c.Named + "\" is not one of cbUnchecked, cbChecked, cbGrayed"});
    }
}

TEST_F(ConfigDamagedSettings, AFolderWhereTheFileBelongsGivesTheDefaultsAndIsLeftAlone) {
    ASSERT_TRUE(QDir().mkpath(UserSettingsFile()));
    ExpectUnreadableStoreLeftAlone(UserSettingsFile());
}

TEST_F(ConfigDamagedSettings, AFileWithoutReadPermissionGivesTheDefaultsAndIsLeftAlone) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    // Qt keeps what it read of a file until the file's size or time changes, which a change of
    // permission does not: the file is named (and so opened) before it is written, not in between.
    const QString file = UserSettingsFile();
    WriteFile(file, "[General]\nDelphiHelpDir=/opt/help/\n");
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::WriteOwner));
    ExpectUnreadableStoreLeftAlone(file);
}

}  // namespace

}  // namespace qm
