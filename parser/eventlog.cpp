#include "eventlog.h"

#include "recordtext.h"

namespace qm {

TEventLog::TEventLog(TUnitParser& Parser, bool KeepText) : FKeepText(KeepText) {
    using E = TUnitParser::TParserEvent;
    Parser.OnUses = E::Of<&TEventLog::Uses>(this);
    Parser.OnClass = E::Of<&TEventLog::Class>(this);
    Parser.OnMethod = E::Of<&TEventLog::Method>(this);
    Parser.OnProperty = E::Of<&TEventLog::Property>(this);
    Parser.OnField = E::Of<&TEventLog::Field>(this);
    Parser.OnImplementation = E::Of<&TEventLog::Implementation>(this);
    Parser.OnTypeAlias = E::Of<&TEventLog::TypeAlias>(this);
    Parser.OnWarning = E::Of<&TEventLog::Warning>(this);
}

// Counts the event; true when its text is to be made. A summary over thousands of units makes
// none of the texts it would throw away.
bool TEventLog::Counted() {
    ++Count;
    return FKeepText;
}

void TEventLog::Add(std::initializer_list<std::string_view> Fields) { AppendRecord(Text, Fields); }

namespace {

bool IsModern(const TUnitParser& Sender) { return Sender.Dialect == TDialect::Modern; }

std::string Joined(const std::vector<std::string>& Names) {
    std::string text;
    for (const std::string& name : Names) text += (text.empty() ? "" : ",") + name;
    return text;
}

}  // namespace

void TEventLog::Add(std::vector<std::string_view> Fields, std::initializer_list<std::pair<bool, std::string_view>> Notes) {
    for (const auto& [applies, note] : Notes)
        if (applies) Fields.push_back(note);
    AppendRecord(Text, Fields);
}

void TEventLog::AddMember(const char* Kind, const std::string& Name, const TUnitParser& Sender) {
    if (!Counted()) return;
    const std::string vis = std::to_string(Sender.Visibility), line = std::to_string(Sender.ItemLine);
    if (!IsModern(Sender)) return Add({Kind, Name, vis, line});
    const char* strict = Sender.Strict ? "strict" : "";
    std::vector<std::string_view> fields = {Kind, Name, vis, line, Sender.ItemFile, strict};
    if (Kind[0] == 'm') fields.push_back(Sender.MethodParams);
    // A method's PARAMS say "class" already.
    Add(std::move(fields), {{Sender.ClassMember && Kind[0] != 'm', "class"}, {Sender.Redeclared, "redeclared"}});
}

void TEventLog::Uses(TUnitParser& Sender) {
    if (Counted()) Add({"uses", Sender.UsesUnit});
}

void TEventLog::Class(TUnitParser& Sender) {
    if (!Counted()) return;
    const std::string line = std::to_string(Sender.ItemLine);
    if (!IsModern(Sender)) return Add({"class", Sender.TypeName, Sender.AncestorName, line});
    const std::string interfaces = Joined(Sender.Interfaces), qualified = "qualified=" + Sender.QualifiedName,
                      kind = std::string("kind=") + TypeKindName(Sender.TypeKind), helps = "helps=" + Sender.HelpedType;
    Add({"class", Sender.TypeName, Sender.AncestorName, line, Sender.ItemFile, interfaces},
        {{Sender.QualifiedName != Sender.TypeName, qualified},
         {Sender.TypeKind != TTypeKind::Class, kind},
         {!Sender.HelpedType.empty(), helps},
         {!Sender.InterfaceGuid.empty(), "guid=" + Sender.InterfaceGuid},
         {Sender.TypeInfo, "typeinfo"}});
}

void TEventLog::Method(TUnitParser& Sender) { AddMember("method", Sender.MethodName, Sender); }
void TEventLog::Property(TUnitParser& Sender) { AddMember("property", Sender.PropertyName, Sender); }
void TEventLog::Field(TUnitParser& Sender) { AddMember("field", Sender.FieldName, Sender); }

void TEventLog::Implementation(TUnitParser& Sender) {
    if (!Counted()) return;
    const std::string line = std::to_string(Sender.ItemLine);
    if (!IsModern(Sender)) return Add({"implementation", Sender.TypeName, Sender.MethodName, line});
    Add({"implementation", Sender.TypeName, Sender.MethodName, line, Sender.ItemFile, Sender.MethodParams});
}

void TEventLog::Warning(TUnitParser& Sender) {
    if (Counted()) Add({"warning", Sender.Warning});
}

void TEventLog::TypeAlias(TUnitParser& Sender) {
    if (!Counted()) return;
    Add({"alias", Sender.TypeName, Sender.AncestorName, std::to_string(Sender.ItemLine), Sender.ItemFile});
}

}  // namespace qm
