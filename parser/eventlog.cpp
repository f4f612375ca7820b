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
}

void TEventLog::Add(std::initializer_list<std::string_view> Fields) {
    ++Count;
    if (FKeepText) AppendRecord(Text, Fields);
}

void TEventLog::AddMember(const char* Kind, const std::string& Name, const TUnitParser& Sender) {
    Add({Kind, Name, std::to_string(Sender.Visibility), std::to_string(Sender.ItemLine)});
}

void TEventLog::Uses(TUnitParser& Sender) { Add({"uses", Sender.UsesUnit}); }

void TEventLog::Class(TUnitParser& Sender) {
    Add({"class", Sender.TypeName, Sender.AncestorName, std::to_string(Sender.ItemLine)});
}

void TEventLog::Method(TUnitParser& Sender) { AddMember("method", Sender.MethodName, Sender); }
void TEventLog::Property(TUnitParser& Sender) { AddMember("property", Sender.PropertyName, Sender); }
void TEventLog::Field(TUnitParser& Sender) { AddMember("field", Sender.FieldName, Sender); }

void TEventLog::Implementation(TUnitParser& Sender) {
    Add({"implementation", Sender.TypeName, Sender.MethodName, std::to_string(Sender.ItemLine)});
}

}  // namespace qm
