// The Descendants page: the tree of every class derived from the current class, directly or not,
// sorted by name at each level, with each class's unit and count of descendants; for an interface,
// the interfaces derived from it and, under "Implemented by", its implementers. It follows the
// class the Class Info page shows and fills itself when it is in view; a double-click or Enter on
// a class asks the window to open that class's declaration.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QTreeView;
class QModelIndex;

namespace qm {

class TDescendantsModel;
struct TDescendant;
class TVCLDB;

class TDescendantsPage : public QObject {
    Q_OBJECT
public:
    TDescendantsPage(QTreeView& View, QObject* Parent);
    void Attach(TVCLDB& Db) { FDb = &Db; }

    // The class whose descendants are shown (0: none). Filled at once while the page is in view,
    // else the next time it comes into view.
    void SetClass(int ClassID);
    // The page came into view (true) or went out of it.
    void SetInView(bool InView);
    // The class database changed: the tree is made again (without the class when it has gone).
    void Invalidate();

    int ClassID() const { return FClassID; }
    // The class of the current node; 0 when there is none.
    int CurrentClass() const;
    // Makes current the first class, in the order shown, whose name begins with Prefix (any letter
    // case), opening the branches above it; false when none does.
    bool FocusPrefix(const QString& Prefix);
    QTreeView& View() const { return FView; }
    TDescendantsModel& Model() const { return *FModel; }

signals:
    // A class was chosen with a double-click or Enter.
    void ClassChosen(int ClassID);

private:
    void Fill();
    void AddImplementers(std::vector<TDescendant>& Tree);
    void Chosen(const QModelIndex& Index);
    // The node of the class; invalid when the tree has none.
    QModelIndex Find(int ClassID) const;
    // The classes whose branches are open, as the tree shows them.
    std::vector<int> OpenClasses() const;

    QTreeView& FView;
    TDescendantsModel* FModel;
    TVCLDB* FDb = nullptr;
    int FClassID = 0;
    int FShownClassID = 0;  // the class the tree was last filled with
    bool FInView = false;
    bool FStale = false;  // the tree does not show FClassID as the database has it now
    bool FFilling = false;
};

}  // namespace qm
