// The kinds of structured type a modern unit declares. The class database stores the number.
#pragma once

namespace qm {

enum class TTypeKind : int {
    Class = 0,
    Interface = 1,
    DispInterface = 2,
    Record = 3,
    Object = 4,
    ClassHelper = 5,
    RecordHelper = 6,
    TypeHelper = 7,
};

inline bool IsHelper(TTypeKind Kind) {
    return Kind == TTypeKind::ClassHelper || Kind == TTypeKind::RecordHelper || Kind == TTypeKind::TypeHelper;
}

// "class", "interface", "dispinterface", "record", "object", "class helper", "record helper",
// "type helper".
const char* TypeKindName(TTypeKind Kind);

}  // namespace qm
