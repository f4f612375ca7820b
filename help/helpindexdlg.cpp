// The keyword index window. Keywords stay 8-bit text; only what is shown and typed is converted.
#include "helpindexdlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>
#include <filesystem>

#include "format.h"
#include "hdxformat.h"
#include "paths.h"
#include "sourcetext.h"

namespace qm {

namespace {

// The file named Name in the directory of File ("\" and "/" both end a directory).
std::string SiblingPath(const std::string& File, const std::string& Name) {
    size_t slash = File.find_last_of("\\/");
    return slash == std::string::npos ? Name : File.substr(0, slash + 1) + Name;
}

bool SameFile(const std::string& A, const std::string& B) {
    std::error_code ec;
    return std::filesystem::equivalent(ResolvePath(A), ResolvePath(B), ec) && !ec;
}

}  // namespace

THelpIndexDlg::THelpIndexDlg(TDelphiHelp& Help, const std::string& HelpFileName,
                             const std::string& IndexFileName, QWidget* Parent)
    : QDialog(Parent), FHelp(&Help) {
    std::string index = SiblingPath(Help.IndexFile(), IndexFileName);
    if (!Help.IndexFile().empty() && !SameFile(index, Help.IndexFile())) {
        FOwnHelp = std::make_unique<TDelphiHelp>("", Help.Viewer());
        FOwnHelp->SetIndexFile(index);
        FOwnHelp->SetHelpDir(Help.HelpDir());
        FHelp = FOwnHelp.get();
    }

    setObjectName("HelpIndexDlg");
    setWindowTitle(QString("Help Topics: %1").arg(SourceText(HelpFileName)));
    KeywordEdit = new QLineEdit(this);
    KeywordEdit->setObjectName("KeywordEdit");
    KeywordModel = new QStringListModel(this);
    KeywordList = new QListView(this);
    KeywordList->setObjectName("KeywordList");
    KeywordList->setModel(KeywordModel);
    KeywordList->setUniformItemSizes(true);
    KeywordList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName("StatusLabel");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    DisplayButton = buttons->addButton("&Display", QDialogButtonBox::ActionRole);
    DisplayButton->setObjectName("DisplayButton");
    DisplayButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(KeywordEdit);
    layout->addWidget(KeywordList);
    layout->addWidget(StatusLabel);
    layout->addWidget(buttons);
    resize(360, 480);

    // Enter reaches the default button from the edit and from the list alike.
    connect(KeywordEdit, &QLineEdit::textEdited, this, &THelpIndexDlg::KeywordEditChanged);
    connect(DisplayButton, &QPushButton::clicked, this, &THelpIndexDlg::DisplayButtonClick);
    connect(KeywordList, &QListView::doubleClicked, this, &THelpIndexDlg::DisplayButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    LoadKeywords();
}

THelpIndexDlg::~THelpIndexDlg() = default;

void THelpIndexDlg::LoadKeywords() {
    try {
        FKeywords = FHelp->Keywords();
    } catch (const Exception& e) {
        FKeywords.clear();
        StatusLabel->setText(SourceText(e.Message()));
    }
    QStringList shown;
    shown.reserve(qsizetype(FKeywords.size()));
    for (const std::string& k : FKeywords) shown.append(SourceText(k));
    KeywordModel->setStringList(shown);
    if (!FKeywords.empty()) KeywordList->setCurrentIndex(KeywordModel->index(0));
}

void THelpIndexDlg::KeywordEditChanged(const QString& Text) {
    std::string prefix = SourceBytes(Text);
    for (size_t i = 0; i < FKeywords.size(); ++i) {
        if (StartsText(FKeywords[i], prefix)) {
            QModelIndex row = KeywordModel->index(int(i));
            KeywordList->setCurrentIndex(row);
            KeywordList->scrollTo(row, QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void THelpIndexDlg::DisplayButtonClick() {
    int row = KeywordList->currentIndex().row();
    if (row < 0 || size_t(row) >= FKeywords.size()) return;
    StatusLabel->clear();
    try {
        FHelp->Lookup(FKeywords[size_t(row)]);
        if (FHelp->Shown()) {
            accept();
            return;
        }
        if (!FHelp->LastTopic().empty())
            StatusLabel->setText(SourceText(Format("Help topic %s of %s was not shown",
                                                  {FHelp->TopicID(), FHelp->HelpFileName()})));
    } catch (const Exception& e) {
        StatusLabel->setText(SourceText(e.Message()));
    }
}

void ShowHelpIndex(QWidget* MainWindow, TDelphiHelp& Help, const std::string& HelpFileName,
                   const std::string& IndexFileName) {
    THelpIndexDlg dialog(Help, HelpFileName, IndexFileName, MainWindow);
    dialog.exec();
}

}  // namespace qm
