#include "typekind.h"

namespace qm {

const char* TypeKindName(TTypeKind Kind) {
    switch (Kind) {
        case TTypeKind::Class: break;
        case TTypeKind::Interface: return "interface";
        case TTypeKind::DispInterface: return "dispinterface";
        case TTypeKind::Record: return "record";
        case TTypeKind::Object: return "object";
        case TTypeKind::ClassHelper: return "class helper";
        case TTypeKind::RecordHelper: return "record helper";
        case TTypeKind::TypeHelper: return "type helper";
    }
    return "class";
}

}  // namespace qm
