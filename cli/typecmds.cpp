// The commands on kinds of type: who implements an interface, which interfaces a class has.
#include <string>

#include "dbcontext.h"
#include "recordtext.h"
#include "typequeries.h"
#include "vcldb1.h"

namespace qm {

void ImplementersCommand(TContext& C) {
    const char* usage = "implementers INTERFACE [--direct]";
    Need(C, 1, 2, usage);
    if (C.Args.size() == 2 && C.Args[1] != "--direct") Need(C, 0, 0, usage);
    TTypeQueries types(C.Db);
    for (const TDescendant& d : types.Implementers(ClassArg(C.Db, C.Args[0]), C.Args.size() == 2))
        C.Out << Record({std::to_string(d.ClassID), std::string(size_t(d.Depth) * 2, ' ') + d.Name, d.UnitName});
}

void InterfacesCommand(TContext& C) {
    Need(C, 1, 1, "interfaces CLASS");
    TTypeQueries types(C.Db);
    for (const TImplementedInterface& i : types.Interfaces(ClassArg(C.Db, C.Args[0])))
        C.Out << Record({std::to_string(i.Level), i.ClassName, i.Name, i.UnitName,
                         i.InterfaceID != 0 ? types.Guid(i.InterfaceID) : std::string()});
}

}  // namespace qm
