// The tree is built with an explicit stack of open elements; text between child elements is
// joined into the parent's text.
#include "xmltree.h"

#include <QXmlStreamReader>

#include "errors.h"
#include "format.h"
#include "paths.h"

namespace qm {

QString TXmlElement::Attribute(const QString& Key) const {
    for (const auto& [key, value] : Attributes)
        if (key.compare(Key, Qt::CaseInsensitive) == 0) return value;
    return {};
}

const TXmlElement* TXmlElement::Child(const QString& ChildName) const {
    for (const auto& child : Children)
        if (child->Name.compare(ChildName, Qt::CaseInsensitive) == 0) return child.get();
    return nullptr;
}

const TXmlElement* TXmlElement::Find(const QString& Path) const {
    const TXmlElement* at = this;
    for (const QString& step : Path.split('/', Qt::SkipEmptyParts))
        if (!(at = at->Child(step))) return nullptr;
    return at;
}

QString TXmlElement::ValueAt(const QString& Path) const {
    const TXmlElement* element = Find(Path);
    return element ? element->Attribute("Value") : QString();
}

std::unique_ptr<TXmlElement> ReadXmlTree(const std::string& File) {
    const std::string bytes = ReadFileBytes(File, TPathMatch::AnyCase, uintmax_t(16) << 20, "%s is too large (%d MB) to be a project file");
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
    std::unique_ptr<TXmlElement> root;
    std::vector<TXmlElement*> open;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            auto element = std::make_unique<TXmlElement>();
            element->Name = xml.name().toString();
            for (const QXmlStreamAttribute& a : xml.attributes()) element->Attributes.emplace_back(a.name().toString(), a.value().toString());
            TXmlElement* raw = element.get();
            if (open.empty()) root = std::move(element);
            else open.back()->Children.push_back(std::move(element));
            open.push_back(raw);
            break;
        }
        case QXmlStreamReader::EndElement:
            open.back()->Text = open.back()->Text.trimmed();
            open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            if (!open.empty()) open.back()->Text += xml.text();
            break;
        default:
            break;
        }
    }
    if (xml.hasError() || !root)
        throw Exception(Format("%s is not a project file: %s (line %d)",
                               {File, xml.hasError() ? xml.errorString().toStdString() : std::string("it is empty"),
                                int(xml.lineNumber())}));
    return root;
}

}  // namespace qm
