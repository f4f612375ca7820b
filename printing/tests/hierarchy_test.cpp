// The hierarchy picture: the SVG parsed back gives the title and the tree's boxes and lines, odd
// names are escaped, a list that is no tree is refused; the PDF read back by poppler has readable
// text on as many pages as it needs, each continued page naming the ancestors it continues, and a
// file that cannot be written is an error that keeps the old file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "errors.h"
#include "filesizelimit.h"
#include "hierarchylayout.h"
#include "hierarchypdf.h"

namespace qm {
namespace {

std::vector<THierarchyNode> Shapes() {
    return {{"TShape", "Base", 0}, {"TBox", "Left", 1, true}, {"TRoundBox", "Both", 2}, {"TCircle", "Left", 1},
            {"TLine", "Right", 1},  {"TArrow", "Both", 2},       {"T<&\"Odd'>", "Q&A", 2}};
}

struct TParsedSvg {
    QString Title;                               // the <title> element
    QMap<QString, QStringList> Texts;            // group id -> its texts ("" the texts outside groups)
    QList<QPair<QString, QString>> Edges;        // (from, to)
    QMap<QString, double> Left;                  // group id -> its box's x
    QStringList Exported;                        // the groups whose box is marked
};

TParsedSvg Parse(const std::string& Svg) {
    TParsedSvg P;
    QXmlStreamReader Xml(QByteArray::fromStdString(Svg));
    QString Group;
    while (!Xml.atEnd()) {
        Xml.readNext();
        if (Xml.isEndElement() && Xml.name() == u"g") Group.clear();
        if (!Xml.isStartElement()) continue;
        const auto A = Xml.attributes();
        if (Xml.name() == u"g") Group = A.value("id").toString();
        else if (Xml.name() == u"title") P.Title = Xml.readElementText();
        else if (Xml.name() == u"rect") {
            P.Left[Group] = A.value("x").toDouble();
            if (A.value("class") == u"exported") P.Exported << Group;
        } else if (Xml.name() == u"text") P.Texts[Group] << Xml.readElementText();
        else if (Xml.name() == u"path") P.Edges << qMakePair(A.value("data-from").toString(), A.value("data-to").toString());
    }
    EXPECT_FALSE(Xml.hasError()) << Xml.errorString().toStdString();
    return P;
}

TEST(HierarchyPicture, TheSvgHoldsATitleABoxPerClassAndALinePerAncestor) {
    const TParsedSvg P = Parse(HierarchySvg(Shapes(), HierarchyTitle("TBox")));
    EXPECT_EQ(P.Title, "Hierarchy of TBox");
    EXPECT_EQ(P.Texts[""], QStringList{"Hierarchy of TBox"}) << "the title shown above the tree";
    EXPECT_EQ(P.Exported, QStringList{"class-1"}) << "the class exported has the bold box";
    ASSERT_EQ(P.Texts.size(), 8);
    EXPECT_EQ(P.Texts["class-0"], QStringList({"TShape", "Base"}));
    EXPECT_EQ(P.Texts["class-6"], QStringList({"T<&\"Odd'>", "Q&A"})) << "markup characters escaped";
    const QList<QPair<QString, QString>> Expected = {{"class-0", "class-1"}, {"class-1", "class-2"},
                                                     {"class-0", "class-3"}, {"class-0", "class-4"},
                                                     {"class-4", "class-5"}, {"class-4", "class-6"}};
    EXPECT_EQ(P.Edges, Expected);
    // A level is a column.
    EXPECT_LT(P.Left["class-0"], P.Left["class-1"]);
    EXPECT_EQ(P.Left["class-1"], P.Left["class-3"]);
    EXPECT_EQ(P.Left["class-2"], P.Left["class-6"]);
}

// An interface: a rounded box, and a dashed line to each implementer along a lane right of every
// box, so that no line crosses a box.
TEST(HierarchyPicture, InterfacesHaveRoundedBoxesAndDashedLinesToTheirImplementers) {
    std::vector<THierarchyNode> Nodes = {{"TBase", "Files", 0}, {"TFile", "Files", 1, true}, {"TLog", "Files", 2},
                                         {"IReader", "Intf", 0}};
    Nodes[3].Interface = true;
    Nodes[3].Implementers = {1, 2};
    QXmlStreamReader Xml(QByteArray::fromStdString(HierarchySvg(Nodes, HierarchyTitle("TFile"))));
    QString Group;
    QMap<QString, QString> Shape;             // group -> its box's class and corner radius
    double Right = 0;                         // the right edge of the widest box
    QList<QPair<QString, QString>> Dashed;    // (interface, implementer)
    QList<double> Lanes;
    while (!Xml.atEnd()) {
        Xml.readNext();
        if (!Xml.isStartElement()) continue;
        const auto A = Xml.attributes();
        if (Xml.name() == u"g") Group = A.value("id").toString();
        if (Xml.name() == u"rect") {
            Shape[Group] = A.value("class").toString() + "/" + A.value("rx").toString();
            Right = std::max(Right, A.value("x").toDouble() + A.value("width").toDouble());
        }
        if (Xml.name() == u"path" && A.value("class") == u"implements") {
            Dashed << qMakePair(A.value("data-from").toString(), A.value("data-to").toString());
            Lanes << A.value("d").toString().split(' ')[2].mid(1).toDouble();  // "M x y Lx y ..."
        }
    }
    ASSERT_FALSE(Xml.hasError()) << Xml.errorString().toStdString();
    EXPECT_EQ(Shape["class-3"], "interface/8.0");
    EXPECT_EQ(Shape["class-1"], "exported/") << "a class keeps its square box";
    EXPECT_EQ(Dashed, (QList<QPair<QString, QString>>{{"class-3", "class-1"}, {"class-3", "class-2"}}));
    for (double Lane : Lanes) EXPECT_GT(Lane, Right);
}

TEST(HierarchyPicture, NodesThatAreNoTreeAreRefused) {
    EXPECT_THROW(LayOutHierarchy({{"A", "U", 0}, {"B", "U", 2}}, "T"), Exception);
    EXPECT_THROW(LayOutHierarchy({{"A", "U", 1}}, "T"), Exception);
    EXPECT_EQ(LayOutHierarchy({}, "T").Boxes.size(), 0u);
}

// A word of a PDF page as poppler places it, in points from the page's top left corner.
struct TWord {
    QString Text;
    double Left, Top, Right, Bottom;
};
struct TPdfPage {
    double Width = 0, Height = 0;
    QList<TWord> Words;
    QString Text;  // as laid out, one line a row
};

QString Run(const QString& Program, const QStringList& Args) {
    QProcess P;
    P.start(Program, Args);
    EXPECT_TRUE(P.waitForFinished(60000));
    EXPECT_EQ(P.exitCode(), 0) << P.readAllStandardError().toStdString();
    return QString::fromUtf8(P.readAllStandardOutput());
}

QList<TPdfPage> ReadPdf(const std::string& File) {
    QList<TPdfPage> Pages;
    QXmlStreamReader Xml(Run("pdftotext", {"-bbox", QString::fromStdString(File), "-"}));
    while (!Xml.atEnd()) {
        if (!Xml.readNext() || !Xml.isStartElement()) continue;
        const auto A = Xml.attributes();
        if (Xml.name() == u"page") Pages.push_back({A.value("width").toDouble(), A.value("height").toDouble(), {}, {}});
        else if (Xml.name() == u"word") {
            TWord W{{}, A.value("xMin").toDouble(), A.value("yMin").toDouble(), A.value("xMax").toDouble(),
                    A.value("yMax").toDouble()};
            W.Text = Xml.readElementText();
            Pages.back().Words.push_back(W);
        }
    }
    const QStringList Laid = Run("pdftotext", {"-layout", QString::fromStdString(File), "-"}).split('\f');
    for (int i = 0; i < Pages.size() && i < Laid.size(); ++i) Pages[i].Text = Laid[i];
    return Pages;
}

// The rows of a page's text with their blanks squeezed.
QStringList Rows(const QString& Text) {
    QStringList Result;
    for (const QString& Line : Text.split('\n', Qt::SkipEmptyParts))
        if (!Line.trimmed().isEmpty()) Result << Line.simplified();
    return Result;
}

TEST(HierarchyPicture, ALongTreeSplitsIntoReadablePagesThatSayWhatTheyContinue) {
    std::vector<THierarchyNode> Nodes{{"TRoot", "Base", 0}, {"TMiddle", "Mid", 1, true}};
    for (int i = 0; i < 150; ++i) Nodes.push_back({"TLeaf" + std::to_string(i), "Unit" + std::to_string(i % 7), 2});
    QTemporaryDir Folder;
    const std::string File = Folder.filePath("tree.pdf").toStdString();
    const int Pages = WriteHierarchy(Nodes, File, THierarchyFormat::Pdf, "TMiddle");
    EXPECT_GE(Pages, 2);
    EXPECT_LE(Pages, 6);
    const QList<TPdfPage> Read = ReadPdf(File);
    ASSERT_EQ(Read.size(), Pages);
    int Leaves = 0;
    for (int P = 0; P < Pages; ++P) {
        const QStringList R = Rows(Read[P].Text);
        ASSERT_GE(R.size(), 4);
        EXPECT_EQ(R[0], QStringLiteral("Hierarchy of TMiddle page %1 of %2").arg(P + 1).arg(Pages));
        EXPECT_LT(Read[P].Width, Read[P].Height) << "a tall tree on portrait pages";
        if (P > 0) {
            // The lines at the top of a continued page come from its ancestors, named again.
            EXPECT_EQ(R[1], "TRoot Base (continued)") << P;
            EXPECT_EQ(R[2], "TMiddle Mid (continued)") << P;
        }
        for (const QString& Row : R) Leaves += Row.startsWith("TLeaf");
        for (const TWord& W : Read[P].Words)
            if (W.Text.startsWith("TLeaf")) EXPECT_GE(W.Bottom - W.Top, 9.0) << "readable type, at least 9 pt";
    }
    EXPECT_EQ(Leaves, 150) << "each class once";
    EXPECT_TRUE(Rows(Read[0].Text)[1].startsWith("TRoot Base"));
    EXPECT_TRUE(Rows(Read.back().Text).back().startsWith("TLeaf149"));
}

// A deep chain of long names is wider than tall: a landscape page, with room for the whole of it.
TEST(HierarchyPicture, AWideTreeLiesOnALandscapePageAcrossItsWidth) {
    std::vector<THierarchyNode> Nodes;
    for (int d = 0; d < 12; ++d) Nodes.push_back({"TLevel" + std::to_string(d) + "WithAQuiteLongClassName", "Unit", d});
    QTemporaryDir Folder;
    const std::string File = Folder.filePath("wide.pdf").toStdString();
    ASSERT_EQ(WriteHierarchy(Nodes, File, THierarchyFormat::Pdf, "TLevel0WithAQuiteLongClassName"), 1);
    const QList<TPdfPage> Read = ReadPdf(File);
    ASSERT_EQ(Read.size(), 1);
    EXPECT_GT(Read[0].Width, Read[0].Height);
    double Right = 0;
    for (const TWord& W : Read[0].Words) {
        Right = std::max(Right, W.Right);
        EXPECT_GE(W.Bottom - W.Top, 9.0) << W.Text.toStdString();
    }
    EXPECT_LT(Right, Read[0].Width) << "nothing cut at the right edge";
    EXPECT_GT(Right, Read[0].Height) << "wider than a portrait page would hold";
    EXPECT_TRUE(Rows(Read[0].Text).back().startsWith("TLevel11WithAQuiteLongClassName Unit"));
}

// A chain deeper than a page is long: each continued page repeats only the nearest ancestors, so
// that it still has room for classes of its own, and every class is on some page.
TEST(HierarchyPicture, AChainDeeperThanAPageRepeatsItsNearestAncestors) {
    std::vector<THierarchyNode> Nodes;
    for (int d = 0; d < 300; ++d) Nodes.push_back({"T" + std::to_string(d), "U", d});
    QTemporaryDir Folder;
    const std::string File = Folder.filePath("deep.pdf").toStdString();
    const int Pages = WriteHierarchy(Nodes, File, THierarchyFormat::Pdf, "T0");
    const QList<TPdfPage> Read = ReadPdf(File);
    ASSERT_EQ(Read.size(), Pages);
    int Seen = 0;
    for (int P = 1; P < Pages; ++P) {
        const QStringList R = Rows(Read[P].Text);
        const int Repeated = int(std::count_if(R.begin(), R.end(), [](const QString& Row) { return Row.endsWith("(continued)"); }));
        EXPECT_GT(Repeated, 0);
        if (P < Pages - 1) EXPECT_LT(Repeated, (R.size() - 1) / 2) << "most of the page is its own";
        // The nearest ancestor of the page's first class stands right above it.
        const int First = R[Repeated + 1].section(' ', 0, 0).mid(1).toInt();
        EXPECT_EQ(R[Repeated], QStringLiteral("T%1 U (continued)").arg(First - 1));
        EXPECT_GT(First, Seen) << "the pages go on down the chain";
        Seen = First;
    }
    EXPECT_GT(Seen, 250);
}

// A full disk (a file size limit) or a device that takes nothing: the error names the file and
// the reason, and the picture written before stays as it was.
TEST(HierarchyPicture, AFileThatCannotBeWrittenIsAnErrorAndKeepsTheOldPicture) {
    std::vector<THierarchyNode> Nodes{{"TRoot", "Base", 0}};
    for (int i = 0; i < 300; ++i) Nodes.push_back({"TLeaf" + std::to_string(i), "Unit", 1});
    QTemporaryDir Folder;
    for (const THierarchyFormat Format : {THierarchyFormat::Svg, THierarchyFormat::Pdf}) {
        const std::string File = Folder.filePath("old").toStdString();
        {
            QFile Old(QString::fromStdString(File));
            ASSERT_TRUE(Old.open(QIODevice::WriteOnly));
            Old.write("the old picture");
        }
        for (const auto& [Target, Reason] : {std::pair<std::string, std::string>{File, "File too large"},
                                             {"/dev/full", "No space left on device"}}) {
            const TFileSizeLimit Limit(2048);
            try {
                WriteHierarchy(Nodes, Target, Format, "TRoot");
                ADD_FAILURE() << Target << " written";
            } catch (const Exception& E) {
                EXPECT_EQ(E.Message(), "Cannot write " + Target + ": " + Reason);
            }
        }
        QFile Old(QString::fromStdString(File));
        ASSERT_TRUE(Old.open(QIODevice::ReadOnly));
        EXPECT_EQ(Old.readAll(), "the old picture");
        EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files), QStringList{"old"});
    }
}

}  // namespace
}  // namespace qm
