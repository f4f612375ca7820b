// Form values kept by component name: which components count, the stored texts, and reading them back.
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <memory>

#include "cfgfiler.h"
#include "errors.h"
#include "settingsfixture.h"

namespace qm {

namespace {

// Without Q_OBJECT: Qt reports it as a QLineEdit all the same.
class TDerivedEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
};

// A small configuration dialog: what is stored and what must not be.
struct TForm {
    TForm() {
        Form.setObjectName("ConfigDlg");
        auto* panel = new QFrame(&Form);
        panel->setObjectName("Panel1");
        Lines = new QLineEdit("72", panel);
        Lines->setObjectName("LinesPerPageEdit");
        Help = new QCheckBox("Enable Delphi Help", panel);
        Help->setObjectName("DelphiHelpCB");
        Help->setChecked(true);
        First = new QRadioButton(&Form);
        First->setObjectName("FirstRB");
        First->setChecked(true);
        Second = new QRadioButton(&Form);
        Second->setObjectName("SecondRB");
        (new QLabel("Lines / Page:", panel))->setObjectName("Label3");
        new QLineEdit("unnamed", &Form);
        Derived = new TDerivedEdit(&Form);
        Derived->setObjectName("DerivedEdit");
        auto* kept = new QLineEdit("not stored", &Form);
        kept->setObjectName("KeptEdit");
        kept->setProperty("stored", false);
        Copies = new QSpinBox(&Form);
        Copies->setObjectName("CopiesSpin");
        Copies->setValue(5);
    }

    QWidget Form;
    QLineEdit* Lines;
    QCheckBox* Help;
    QRadioButton* First;
    QRadioButton* Second;
    TDerivedEdit* Derived;
    QSpinBox* Copies;
};

class ConfigFormValues : public SettingsTest {
protected:
    void TearDown() override {
        std::erase_if(ConfigProperties(),
                      [](const std::string& entry) { return entry.starts_with("QSpinBox="); });
        SettingsTest::TearDown();
    }

    static QStringList StoredNames() {
        QSettings settings(UserSettingsFile(), QSettings::NativeFormat);
        settings.beginGroup("ConfigDlg");
        QStringList names = settings.childKeys();
        names.sort();
        return names;
    }

    static void Store(const QByteArray& Values) { WriteFile(UserSettingsFile(), "[ConfigDlg]\n" + Values); }
};

TEST(ConfigProperties, RegisteringAClassTwiceIsRefused) {
    const std::vector<std::string> initial = {"TEdit=Text", "TCheckbox=State", "TRadioButton=Checked"};
    EXPECT_EQ(ConfigProperties(), initial);
    for (const auto& [cls, prop] : {std::pair{"TEdit", "MaxLength"}, std::pair{"TCHECKBOX", "Checked"}}) {
        ExpectRaises<Exception>([&] { RegisterConfigProperty(cls, prop); },
                                std::string("RegisterConfigProperty: ") + cls + "." + prop +
                                    " is already registered");
    }
    EXPECT_EQ(ConfigProperties(), initial);
}

TEST_F(ConfigFormValues, SavedValuesComeBackInAFreshForm) {
    TForm saved;
    saved.Lines->setText("60");
    saved.Derived->setText("derived");
    saved.Help->setChecked(false);
    saved.Second->setChecked(true);
    SaveFormConfig(saved.Form);

    EXPECT_EQ(StoredNames(), QStringList({"DelphiHelpCB", "FirstRB", "LinesPerPageEdit", "SecondRB"}));
    EXPECT_EQ(StoredValue("ConfigDlg/LinesPerPageEdit"), "60");
    EXPECT_EQ(StoredValue("ConfigDlg/DelphiHelpCB"), "cbUnchecked");
    EXPECT_EQ(StoredValue("ConfigDlg/FirstRB"), "False");
    EXPECT_EQ(StoredValue("ConfigDlg/SecondRB"), "True");

    TForm loaded;
    LoadFormConfig(loaded.Form);
    EXPECT_EQ(loaded.Lines->text(), "60");
    EXPECT_EQ(loaded.Help->checkState(), Qt::Unchecked);
    EXPECT_FALSE(loaded.First->isChecked());
    EXPECT_TRUE(loaded.Second->isChecked());
    EXPECT_EQ(loaded.Derived->text(), "");
}

TEST_F(ConfigFormValues, FirstRunKeepsTheDesignValuesAndCreatesNothing) {
    TForm form;
    LoadFormConfig(form.Form);
    EXPECT_EQ(form.Lines->text(), "72");
    EXPECT_EQ(form.Help->checkState(), Qt::Checked);
    EXPECT_TRUE(form.First->isChecked());
    EXPECT_FALSE(QFileInfo::exists(UserSettingsFile()));
}

TEST_F(ConfigFormValues, EnumerationIdentifiersIgnoreCaseAndUnknownOnesChangeNothing) {
    struct TCase {
        const char* Stored;
        Qt::CheckState Expected;
    };
    const TCase cases[] = {{"cbGrayed", Qt::PartiallyChecked}, {"CBUNCHECKED", Qt::Unchecked},
                           {"cbchecked", Qt::Checked},         {"Maybe", Qt::Checked},
                           {"", Qt::Checked}};
    for (const TCase& c : cases) {
        Store(QByteArray("DelphiHelpCB=") + c.Stored + "\nSecondRB=tRUE\n");
        TForm form;
        LoadFormConfig(form.Form);
        EXPECT_EQ(form.Help->checkState(), c.Expected) << c.Stored;
        EXPECT_TRUE(form.Second->isChecked());
    }
}

TEST_F(ConfigFormValues, IntegerPropertiesAreStoredAsDecimalText) {
    RegisterConfigProperty("QSpinBox", "Value");
    TForm form;
    LoadFormConfig(form.Form);
    EXPECT_EQ(form.Copies->value(), 5);
    SaveFormConfig(form.Form);
    EXPECT_EQ(StoredValue("ConfigDlg/CopiesSpin"), "5");

    Store("CopiesSpin=12\n");
    LoadFormConfig(form.Form);
    EXPECT_EQ(form.Copies->value(), 12);

    // A text that is no number leaves the value alone, as a foreign enumeration text does.
    Store("CopiesSpin=twelve\n");
    EXPECT_NO_THROW(LoadFormConfig(form.Form));
    EXPECT_EQ(form.Copies->value(), 12);
}

}  // namespace

}  // namespace qm
