// The hierarchy picture: the SVG parsed back gives the tree's boxes and lines, odd names are
// escaped, a list that is no tree is refused, and a long tree splits into readable PDF pages.
#include <gtest/gtest.h>

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "errors.h"
#include "hierarchylayout.h"
#include "hierarchypdf.h"

namespace qm {
namespace {

std::vector<THierarchyNode> Shapes() {
    return {{"TShape", "Base", 0}, {"TBox", "Left", 1},  {"TRoundBox", "Both", 2}, {"TCircle", "Left", 1},
            {"TLine", "Right", 1},  {"TArrow", "Both", 2}, {"T<&\"Odd'>", "Q&A", 2}};
}

struct TParsedSvg {
    QMap<QString, QStringList> Texts;            // group id -> its texts
    QList<QPair<QString, QString>> Edges;        // (from, to)
    QMap<QString, double> Left;                  // group id -> its box's x
};

TParsedSvg Parse(const std::string& Svg) {
    TParsedSvg P;
    QXmlStreamReader Xml(QByteArray::fromStdString(Svg));
    QString Group;
    while (!Xml.atEnd()) {
        if (!Xml.readNext() || !Xml.isStartElement()) continue;
        const auto A = Xml.attributes();
        if (Xml.name() == u"g") Group = A.value("id").toString();
        else if (Xml.name() == u"rect") P.Left[Group] = A.value("x").toDouble();
        else if (Xml.name() == u"text") P.Texts[Group] << Xml.readElementText();
        else if (Xml.name() == u"path") P.Edges << qMakePair(A.value("data-from").toString(), A.value("data-to").toString());
    }
    EXPECT_FALSE(Xml.hasError()) << Xml.errorString().toStdString();
    return P;
}

TEST(HierarchyPicture, TheSvgHoldsABoxPerClassAndALinePerAncestor) {
    const TParsedSvg P = Parse(HierarchySvg(Shapes()));
    ASSERT_EQ(P.Texts.size(), 7);
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

TEST(HierarchyPicture, NodesThatAreNoTreeAreRefused) {
    EXPECT_THROW(LayOutHierarchy({{"A", "U", 0}, {"B", "U", 2}}), Exception);
    EXPECT_THROW(LayOutHierarchy({{"A", "U", 1}}), Exception);
    EXPECT_EQ(LayOutHierarchy({}).Boxes.size(), 0u);
}

TEST(HierarchyPicture, ALongTreeSplitsIntoPagesThatReadBack) {
    std::vector<THierarchyNode> Nodes{{"TRoot", "Base", 0}};
    for (int i = 0; i < 150; ++i) Nodes.push_back({"TLeaf" + std::to_string(i), "Unit" + std::to_string(i % 7), 1});
    QTemporaryDir Folder;
    const std::string File = Folder.filePath("tree.pdf").toStdString();
    const int Pages = WriteHierarchyPdf(Nodes, File, "TRoot");
    EXPECT_GE(Pages, 2);
    EXPECT_LE(Pages, 8);
    QProcess Text;
    Text.start("pdftotext", {"-layout", QString::fromStdString(File), "-"});
    ASSERT_TRUE(Text.waitForFinished(60000));
    const QString Read = QString::fromUtf8(Text.readAllStandardOutput());
    EXPECT_EQ(Read.count('\f'), Pages);
    for (const char* Name : {"TRoot", "TLeaf0", "TLeaf149", "Unit6"}) EXPECT_TRUE(Read.contains(Name)) << Name;
    EXPECT_THROW(WriteHierarchyPdf(Nodes, Folder.filePath("no/such/folder/x.pdf").toStdString(), "T"), Exception);
}

}  // namespace
}  // namespace qm
