// The top panel's selectors: filling them, and the user's choices they report.
#include "selectorpanel.h"

#include <QLineEdit>
#include <QStringList>

#include "dropcombo.h"
#include "sourcetext.h"
#include "vcldb1.h"

namespace qm {
namespace {

void FillBox(QComboBox& Box, const std::vector<std::string>& Names, const std::string& Selected) {
    const QSignalBlocker Quiet(&Box);
    QStringList Items;
    Items.reserve(static_cast<qsizetype>(Names.size()));
    for (const std::string& Name : Names) Items << SourceText(Name);
    Box.clear();
    Box.addItems(Items);
    Box.setCurrentIndex(Box.findText(SourceText(Selected), Qt::MatchFixedString));
}

}  // namespace

TSelectorPanel::TSelectorPanel(TDropDownComboBox& Classes, TSelectorComboBox& Units, QObject* Parent)
    : QObject(Parent), FClasses(Classes), FUnits(Units) {
    FClasses.setCompleter(nullptr);
    connect(&FClasses, &TDropDownComboBox::DroppedDown, this, [this] { FDroppedDown = true; });
    // A choice from the dropped-down list searches at once; typed text waits for Enter.
    const auto Change = [this] {
        if (!FDroppedDown) return;
        FDroppedDown = false;
        emit SearchRequested();
    };
    connect(&FClasses, &QComboBox::editTextChanged, this, Change);
    connect(&FClasses, &QComboBox::activated, this, Change);
    connect(&FClasses, &TDropDownComboBox::EnterPressed, this, &TSelectorPanel::SearchRequested);
    connect(&FUnits, &QComboBox::activated, this, &TSelectorPanel::UnitChosen);
}

void TSelectorPanel::Fill(const std::string& ClassName, const std::string& UnitName) {
    std::vector<std::string> Names;
    FDb->ListClassNames(Names);
    FillBox(FClasses, Names, ClassName);
    FDb->ListUnitNames(Names);
    FillBox(FUnits, Names, UnitName);
}

// A choice that has gone shows nothing.
void TSelectorPanel::Refill() {
    const QString Typed = FClasses.currentText();
    const int Caret = FClasses.lineEdit()->cursorPosition();
    Fill(SourceBytes(Typed), SourceBytes(FUnits.currentText()));
    const QSignalBlocker Quiet(&FClasses);
    FClasses.setEditText(Typed);
    FClasses.lineEdit()->setCursorPosition(Caret);
}

void TSelectorPanel::Clear() {
    for (QComboBox* Box : {static_cast<QComboBox*>(&FClasses), static_cast<QComboBox*>(&FUnits)}) {
        const QSignalBlocker Quiet(Box);
        Box->clear();
    }
    FDroppedDown = false;
}

void TSelectorPanel::ShowClassName(const std::string& Name) {
    const QSignalBlocker Quiet(&FClasses);
    FClasses.setCurrentIndex(FClasses.findText(SourceText(Name), Qt::MatchFixedString));
}

std::string TSelectorPanel::ClassText() const {
    return SourceBytes(FClasses.currentText());
}

std::string TSelectorPanel::UnitText() const {
    return SourceBytes(FUnits.currentText());
}

}  // namespace qm
