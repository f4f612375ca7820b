// TChoiceDlg: one entry of a short list of names (a project to remove, a build configuration),
// chosen with OK or a double-click.
#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class ChoiceDlg;
}

namespace qm {

class TChoiceDlg : public QDialog {
    Q_OBJECT

public:
    explicit TChoiceDlg(QWidget* Parent = nullptr);
    ~TChoiceDlg() override;

    // Shows Entries in their order under Title, the first selected: the index chosen, or -1
    // when the user cancelled.
    int Choose(const QString& Title, const QStringList& Entries);

private:
    std::unique_ptr<Ui::ChoiceDlg> FUi;
};

}  // namespace qm
