// qm_hlpgen: writes the help file of a Delphi source tree: one topic per entry of its help
// keyword index, named by the entry's topic id ("TClass" for a class, "TClass_Member" for a
// member), titled by what it names ("TClass class", "TClass.Member"), with the declaration read
// from the units, the class, its ancestor chain and its unit, and jumps to the class and ancestor
// topics; a contents topic listing the classes comes first.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "asciitext.h"
#include "delphihelp.h"
#include "errors.h"
#include "hierarchypicture.h"
#include "hlpformat.h"
#include "hlpwriter.h"
#include "paths.h"
#include "unitparser.h"

namespace {

using namespace qm;

struct TMember {
    std::string Name, Kind, Declaration;
    int Visibility = 0;
};

struct TClass {
    std::string Name, Ancestor, Unit, Declaration;
    std::map<std::string, TMember> Members;  // by upper-case name
};

const char* VisibilityName(int Visibility) {
    switch (Visibility) {
        case VisPublished: return "Published";
        case VisPublic: return "Public";
        case VisProtected: return "Protected";
        case VisPrivate: return "Private";
        default: return "Automated";
    }
}

// Every class of the units under Root, with its members and their declaration lines.
class TDeclarations {
public:
    explicit TDeclarations(const std::filesystem::path& Root) {
        std::vector<std::filesystem::path> files;
        for (const auto& e : std::filesystem::recursive_directory_iterator(Root))
            if (e.is_regular_file() && UpperCase(e.path().extension().string()) == ".PAS") files.push_back(e.path());
        std::sort(files.begin(), files.end());
        for (const auto& f : files) Load(f.string());
    }

    const TClass* Find(const std::string& Name) const {
        auto it = FClasses.find(UpperCase(Name));
        return it == FClasses.end() ? nullptr : &it->second;
    }

    // The classes that name Name as their ancestor, by name.
    std::vector<const TClass*> Children(const std::string& Name) const {
        std::vector<const TClass*> out;
        for (const auto& [key, c] : FClasses)
            if (SameText(c.Ancestor, Name) && !SameText(c.Name, Name)) out.push_back(&c);
        return out;
    }

private:
    void Load(const std::string& File) {
        FLines.clear();
        std::string text = ReadFileBytes(File);
        for (size_t at = 0; at <= text.size();) {
            size_t end = text.find_first_of("\r\n", at);
            if (end == std::string::npos) end = text.size();
            FLines.push_back(text.substr(at, end - at));
            at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
        TUnitParser parser;
        using E = TUnitParser::TParserEvent;
        parser.OnClass = E::Of<&TDeclarations::Class>(this);
        parser.OnMethod = E::Of<&TDeclarations::Method>(this);
        parser.OnProperty = E::Of<&TDeclarations::Property>(this);
        parser.OnField = E::Of<&TDeclarations::Field>(this);
        FCurrent = nullptr;
        parser.ParseText(File, std::move(text));
    }
    std::string LineText(int Line) const {
        if (Line < 1 || size_t(Line) > FLines.size()) return {};
        std::string s = FLines[size_t(Line) - 1];
        size_t first = s.find_first_not_of(" \t"), last = s.find_last_not_of(" \t");
        return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
    }
    void Class(TUnitParser& P) {
        auto [it, added] = FClasses.try_emplace(UpperCase(P.TypeName));
        FCurrent = added ? &it->second : nullptr;  // the first declaration of a name is the one
        if (!FCurrent) return;
        *FCurrent = {P.TypeName, P.AncestorName, P.UnitName, LineText(P.ItemLine), {}};
    }
    void Add(const char* Kind, const std::string& Name, const TUnitParser& P) {
        if (FCurrent) FCurrent->Members.try_emplace(UpperCase(Name), TMember{Name, Kind, LineText(P.ItemLine), P.Visibility});
    }
    void Method(TUnitParser& P) { Add("method", P.MethodName, P); }
    void Property(TUnitParser& P) { Add("property", P.PropertyName, P); }
    void Field(TUnitParser& P) { Add("field", P.FieldName, P); }

    std::map<std::string, TClass> FClasses;
    std::vector<std::string> FLines;
    TClass* FCurrent = nullptr;
};

THlpRun Plain(std::string Text) { return THlpRun{std::move(Text)}; }
THlpRun Label(std::string Text) { return THlpRun{std::move(Text), true}; }

class TTopicMaker {
public:
    TTopicMaker(const TDeclarations& Declarations, std::set<std::string> TopicIds)
        : FDeclarations(Declarations), FTopicIds(std::move(TopicIds)) {}

    // A jump to the class's topic when the index has one, else its name.
    THlpRun ClassRef(const std::string& Name) const {
        THlpRun run = Plain(Name);
        if (FTopicIds.count(Name)) run.Jump = true, run.JumpHash = ContextHash(Name);
        return run;
    }

    std::vector<THlpParagraph> ClassParagraphs(const TClass& C) const {
        THlpParagraph chain{{Label("Ancestors: ")}};
        // Up to the root, a class that names itself (TObject) or none; a cycle ends it too.
        int depth = 0;
        std::set<const TClass*> seen{&C};
        for (const TClass* a = FDeclarations.Find(C.Ancestor); a && seen.insert(a).second;
             a = FDeclarations.Find(a->Ancestor), ++depth) {
            if (depth) chain.Runs.push_back(Plain(" > "));
            chain.Runs.push_back(ClassRef(a->Name));
        }
        if (!depth) {
            const TClass* a = FDeclarations.Find(C.Ancestor);
            chain.Runs.push_back(Plain(C.Ancestor.empty() || a == &C ? "none" : C.Ancestor));
        }
        return {{{Label("Class: "), ClassRef(C.Name)}}, std::move(chain), {{Label("Unit: "), Plain(C.Unit)}}};
    }

    // The topic of an index entry; none when the units do not declare what it names.
    bool Make(const std::string& TopicId, THlpSourceTopic& Out) const {
        Out.ContextId = TopicId;
        size_t cut = TopicId.find('_');
        const TClass* c = FDeclarations.Find(TopicId.substr(0, cut));
        if (!c) return false;
        THlpTopic& t = Out.Topic;
        const TMember* m = nullptr;
        if (cut != std::string::npos) {
            auto it = c->Members.find(UpperCase(TopicId.substr(cut + 1)));
            if (it == c->Members.end()) return false;
            m = &it->second;
        }
        t.Title = m ? c->Name + "." + m->Name : c->Name + " class";
        t.Paragraphs.push_back({{Label("Declaration")}});
        t.Paragraphs.push_back({{THlpRun{m ? m->Declaration : c->Declaration, false, true}}});
        if (m) t.Paragraphs.push_back({{Plain(std::string(VisibilityName(m->Visibility)) + " " + m->Kind + " of "), ClassRef(c->Name)}});
        for (auto& p : ClassParagraphs(*c)) t.Paragraphs.push_back(std::move(p));
        return true;
    }

private:
    const TDeclarations& FDeclarations;
    std::set<std::string> FTopicIds;
};

class TNoViewer : public THelpViewer {
public:
    void ShowContents(const std::string&) override {}
    bool JumpToTopic(const std::string&, const std::string&) override { return false; }
};

// Root and its descendants two levels down, each a jump to its topic when the index has one.
std::vector<THierarchyLine> HierarchyLines(const TDeclarations& Declarations, const std::set<std::string>& TopicIds,
                                           const std::string& Root) {
    std::vector<THierarchyLine> lines;
    auto add = [&](const TClass& C, int Depth) {
        lines.push_back({Depth, C.Name, TopicIds.count(C.Name) ? ContextHash(C.Name) : 0});
    };
    const TClass* root = Declarations.Find(Root);
    if (!root) return lines;
    add(*root, 0);
    for (const TClass* child : Declarations.Children(root->Name)) {
        add(*child, 1);
        for (const TClass* grandchild : Declarations.Children(child->Name)) add(*grandchild, 2);
    }
    return lines;
}

int Usage() {
    std::cerr << "usage: qm_hlpgen [--no-compress] [--no-phrases | --old-phrases] [--small-blocks] [--v3 | --v30] "
                 "[--charset N] INDEX.HDX SOURCE-ROOT OUTPUT.HLP\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    THlpWriteOptions options;
    options.Title = "Delphi Help";
    // As the help compiler of Delphi 2.0's time wrote its files.
    options.Phrases = THlpPhrases::TScheme::Hall;
    options.Minor = 33;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--no-compress") options.Compress = false;
        else if (a == "--no-phrases") options.Phrases = THlpPhrases::TScheme::None;
        else if (a == "--old-phrases") options.Phrases = THlpPhrases::TScheme::Phrases;
        else if (a == "--small-blocks") options.SmallBlocks = true;
        else if (a == "--v3") options.Minor = 21;
        // Help compiler 3.0's file: unpacked, the older phrases, no heading region or tables.
        else if (a == "--v30") options.Minor = 15, options.Compress = false, options.Phrases = THlpPhrases::TScheme::Phrases;
        else if (a == "--charset" && i + 1 < argc) options.Charset = uint8_t(std::atoi(argv[++i]));
        else if (a.rfind("--", 0) == 0) return Usage();
        else files.push_back(a);
    }
    if (files.size() != 3) return Usage();
    try {
        TNoViewer viewer;
        TDelphiHelp index("", viewer);
        index.SetIndexFile(files[0]);
        std::vector<THdxKeyword> entries = index.Entries();
        std::set<std::string> ids;
        for (const auto& e : entries) ids.insert(e.TopicID);
        TDeclarations declarations(ResolvePath(files[1]));
        TTopicMaker maker(declarations, ids);

        std::vector<THlpSourceTopic> topics(1);
        topics[0].ContextId = "Contents";
        THlpTopic& contents = topics[0].Topic;
        contents.Title = "Delphi Help";
        // A heading region, the picture of TControl's descendants, and a table of the classes.
        THlpRun heading = Label("Delphi Help");
        heading.HalfPoints = 28, heading.Colour = 0x000080;
        const bool v30 = options.Minor < 17;
        contents.Paragraphs.push_back({{heading}});
        contents.NonScrolling = v30 ? 0 : 1;
        contents.Pictures.push_back(HierarchyPicture(HierarchyLines(declarations, ids, "TControl")));
        THlpRun picture;
        picture.Picture = 0;
        contents.Paragraphs.push_back({{Label("The descendants of TControl")}});
        contents.Paragraphs.push_back({{picture}});
        contents.Paragraphs.push_back({{Label("Classes of the library")}});
        // The classes with their units and ancestors in tables, in a topic of their own: a
        // table is one record, so a hundred rows each keep records small.
        THlpSourceTopic table;
        table.ContextId = "ClassTable";
        table.Topic.Title = "Classes, units and ancestors";
        table.Keywords = {"Classes, units and ancestors"};
        std::set<std::string> made;
        std::vector<THlpSourceTopic> entryTopics;
        int row = 0;
        for (const auto& e : entries) {
            THlpSourceTopic t;
            if (!made.insert(e.TopicID).second || !maker.Make(e.TopicID, t)) continue;
            if (e.TopicID.find('_') == std::string::npos) {
                contents.Paragraphs.push_back({{maker.ClassRef(e.TopicID)}});
                const TClass* c = declarations.Find(e.TopicID);
                auto cell = [&](int Column, THlpRun Run) {
                    THlpParagraph p{{std::move(Run)}};
                    p.Table = 1 + row / 100, p.Row = row % 100, p.Column = Column, p.ColumnWidths = {3000, 2000, 3000};
                    table.Topic.Paragraphs.push_back(std::move(p));
                };
                cell(0, maker.ClassRef(e.TopicID));
                cell(1, Plain(c->Unit));
                cell(2, c->Ancestor.empty() ? Plain("") : maker.ClassRef(c->Ancestor));
                ++row;
            }
            entryTopics.push_back(std::move(t));
        }
        if (!v30) topics.push_back(std::move(table));
        // The help index's keywords are the file's own keyword index too.
        std::map<std::string, size_t> byId;
        for (auto& t : entryTopics) {
            byId[t.ContextId] = topics.size();
            topics.push_back(std::move(t));
        }
        for (const auto& e : entries) {
            auto it = byId.find(e.TopicID);
            if (it != byId.end()) topics[it->second].Keywords.push_back(e.Keyword);
        }
        std::string image = BuildHlp(topics, options);
        std::ofstream out(ResolvePath(files[2]), std::ios::binary | std::ios::trunc);
        if (!out.write(image.data(), std::streamsize(image.size())) || !out.flush())
            throw Exception("Cannot write file " + files[2]);
        std::cerr << topics.size() << " topics, " << image.size() << " bytes in " << files[2] << '\n';
    } catch (const Exception& e) {
        std::cerr << e.Message() << '\n';
        return 1;
    }
    return 0;
}
