// TEventLog: listens to a parser's six events and keeps them as text, one line per event,
// fields separated by one TAB:
//   uses NAME | class NAME ANCESTOR LINE | method NAME VIS LINE | property NAME VIS LINE |
//   field NAME VIS LINE | implementation CLASS METHOD LINE
// A parser in the modern dialect adds fields after these, always all of them (empty when there
// is nothing to say): FILE is the include file the item was read from, empty for the unit's own;
// STRICT is "strict" for strict private and strict protected members; INTERFACES are the
// heritage list's names after the ancestor, separated by ","; PARAMS as in MethodParams.
//   class ... FILE INTERFACES | method ... FILE STRICT PARAMS | property ... FILE STRICT |
//   field ... FILE STRICT | implementation ... FILE PARAMS
// and then, only where they apply: a class's "qualified=NAME" (a nested or generic type's
// QualifiedName), "kind=KIND" (TypeKindName, for anything but a class), "helps=TYPE" and
// "typeinfo" ({$M+}); a property's or field's "class" (a class member) and a property's
// "redeclared".
// Names are kept as the parser reports them, control characters escaped (recordtext.h).
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "unitparser.h"

namespace qm {

class TEventLog {
public:
    // Wires the six events of Parser to this log. With KeepText false only Count grows.
    explicit TEventLog(TUnitParser& Parser, bool KeepText = true);

    std::string Text;
    size_t Count = 0;

private:
    void Uses(TUnitParser& Sender);
    void Class(TUnitParser& Sender);
    void Method(TUnitParser& Sender);
    void Property(TUnitParser& Sender);
    void Field(TUnitParser& Sender);
    void Implementation(TUnitParser& Sender);
    void TypeAlias(TUnitParser& Sender);  // modern dialect only
    void Warning(TUnitParser& Sender);    // modern dialect only
    bool Counted();
    void Add(std::initializer_list<std::string_view> Fields);
    // The fields, then each note that applies.
    void Add(std::vector<std::string_view> Fields, std::initializer_list<std::pair<bool, std::string_view>> Notes);
    void AddMember(const char* Kind, const std::string& Name, const TUnitParser& Sender);

    bool FKeepText;
};

}  // namespace qm
