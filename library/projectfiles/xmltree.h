// A whole XML file as a small tree of elements, read with QXmlStreamReader: project files are
// a few kilobytes and are looked at in every direction.
#pragma once

#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace qm {

struct TXmlElement {
    QString Name;
    std::vector<std::pair<QString, QString>> Attributes;
    QString Text;  // the element's own text, trimmed
    std::vector<std::unique_ptr<TXmlElement>> Children;

    QString Attribute(const QString& Key) const;
    // The first child of that name (letter case ignored); nullptr when none.
    const TXmlElement* Child(const QString& ChildName) const;
    // Down a path of names separated by "/"; nullptr when any step is missing.
    const TXmlElement* Find(const QString& Path) const;
    // The Value attribute of the element at Path, as Lazarus writes its settings; empty when none.
    QString ValueAt(const QString& Path) const;
};

// The root element of File; Exception "FILE is not a project file: WHY (line N)" when the XML
// is damaged, and EFOpenError when the file cannot be read.
std::unique_ptr<TXmlElement> ReadXmlTree(const std::string& File);

}  // namespace qm
