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

void TEventLog::Add(std::initializer_list<std::string_view> Fields) {
    ++Count;
    if (FKeepText) AppendRecord(Text, Fields);
}

namespace {

bool IsModern(const TUnitParser& Sender) { return Sender.Dialect == TDialect::Modern; }

std::string Joined(const std::vector<std::string>& Names) {
    std::string text;
    for (const std::string& name : Names) text += (text.empty() ? "" : ",") + name;
    return text;
}

}  // namespace

void TEventLog::AddMember(const char* Kind, const std::string& Name, const TUnitParser& Sender) {
    const std::string vis = std::to_string(Sender.Visibility), line = std::to_string(Sender.ItemLine);
    if (!IsModern(Sender)) return Add({Kind, Name, vis, line});
    const char* strict = Sender.Strict ? "strict" : "";
    if (Kind[0] == 'm') Add({Kind, Name, vis, line, Sender.ItemFile, strict, Sender.MethodParams});
    else Add({Kind, Name, vis, line, Sender.ItemFile, strict});
}

void TEventLog::Uses(TUnitParser& Sender) { Add({"uses", Sender.UsesUnit}); }

void TEventLog::Class(TUnitParser& Sender) {
    const std::string line = std::to_string(Sender.ItemLine);
    if (!IsModern(Sender)) return Add({"class", Sender.TypeName, Sender.AncestorName, line});
    Add({"class", Sender.TypeName, Sender.AncestorName, line, Sender.ItemFile, Joined(Sender.Interfaces)});
}

void TEventLog::Method(TUnitParser& Sender) { AddMember("method", Sender.MethodName, Sender); }
void TEventLog::Property(TUnitParser& Sender) { AddMember("property", Sender.PropertyName, Sender); }
void TEventLog::Field(TUnitParser& Sender) { AddMember("field", Sender.FieldName, Sender); }

void TEventLog::Implementation(TUnitParser& Sender) {
    const std::string line = std::to_string(Sender.ItemLine);
    if (!IsModern(Sender)) return Add({"implementation", Sender.TypeName, Sender.MethodName, line});
    Add({"implementation", Sender.TypeName, Sender.MethodName, line, Sender.ItemFile, Sender.MethodParams});
}

void TEventLog::Warning(TUnitParser& Sender) { Add({"warning", Sender.Warning}); }

void TEventLog::TypeAlias(TUnitParser& Sender) {
    Add({"alias", Sender.TypeName, Sender.AncestorName, std::to_string(Sender.ItemLine), Sender.ItemFile});
}

}  // namespace qm
