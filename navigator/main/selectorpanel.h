// The Classes and Units selectors of the top panel: their lists, what they show, and when the
// user asks for a search or a unit. They change only by the user's choice: filling, refilling
// and clearing them start nothing.
#pragma once

#include <QObject>
#include <string>

namespace qm {

class TDropDownComboBox;
class TSelectorComboBox;
class TVCLDB;

class TSelectorPanel : public QObject {
    Q_OBJECT
public:
    TSelectorPanel(TDropDownComboBox& Classes, TSelectorComboBox& Units, QObject* Parent);
    void Attach(TVCLDB& Db) { FDb = &Db; }

    // Every class and unit name of the database, the entries equal to ClassName and UnitName
    // (in any letter case) chosen; none where there is no such entry.
    void Fill(const std::string& ClassName, const std::string& UnitName);
    // Filled again, keeping what they show: the user's typed text and caret stay as they were.
    void Refill();
    void Clear();
    // The Classes selector shows the entry of that name, starting nothing.
    void ShowClassName(const std::string& Name);
    std::string ClassText() const;
    std::string UnitText() const;

signals:
    // Enter in the Classes selector, or a change of it after its list dropped down (a choice
    // from the list, or even one typed character after the list closed without a choice).
    void SearchRequested();
    // A choice from the Units selector.
    void UnitChosen();

private:
    TDropDownComboBox& FClasses;
    TSelectorComboBox& FUnits;
    TVCLDB* FDb = nullptr;
    bool FDroppedDown = false;  // the Classes list dropped down since the selector last changed
};

}  // namespace qm
