// The modern dialect's main loop and the reading steps its class declarations share: one symbol
// at a time, names with "&", type arguments, declarations skipped to their ";", parameter lists
// normalised, and events announced at once or held back for a nested class.
#include <algorithm>
#include <utility>

#include "keywords.h"
#include "unitparser.h"

namespace qm {

using namespace keywords;
using scanner::IsIdentCont;
using scanner::IsIdentStart;
using scanner::UpperCaseOf;

namespace {

void AppendUpper(std::string& Out, std::string_view Word) {
    for (char c : Word) Out += UpperCaseOf[static_cast<unsigned char>(c)];
}

}  // namespace

void TUnitParser::ParseModernUnit() {
    bool headingSeen = false;
    bool typeSection = false;  // where "Name = Other;" names a type, not a constant or a comparison
    bool classWord = false;    // the word before was CLASS: "class procedure TFoo.Bar;"
    InImplementation = false;
    for (;;) {
        NextIdentToken();
        const std::string_view word = FToken;
        if (IsRoutineKeyword(word) || IsKeyword(word, "OPERATOR")) {
            typeSection = false;
            const bool op = IsKeyword(word, "OPERATOR");
            ParseModernImplementation(std::exchange(classWord, false) || op, op);
            continue;
        }
        int arity = 0;
        std::string params;
        if (PeekSym() == '<' && LooksLikeTypeArgs("=")) {  // a generic type: TList<T> = class
            ++FPos;
            arity = SkipTypeArgs(&params);
        }
        std::string_view s = ReadSymbols();
        classWord = s.empty() && IsKeyword(word, "CLASS");
        if (Is(s, "=")) {
            NameType(word, arity, params, {});
            MarkItem();
            std::string_view kind = ReadName();
            if (IsKeyword(kind, "PACKED")) kind = ReadName();
            TTypeKind structured;
            if (IsKeyword(kind, "CLASS")) {
                ParseModernClass(nullptr);
            } else if (IsKeyword(kind, "RECORD") || IsKeyword(kind, "TYPE")) {
                const std::string_view next = ReadName();  // any other word means nothing to this loop
                if (IsKeyword(next, "HELPER")) {
                    TypeKind = IsKeyword(kind, "RECORD") ? TTypeKind::RecordHelper : TTypeKind::TypeHelper;
                    Unread(next);
                    ParseModernClass(nullptr);
                } else if (IsKeyword(kind, "RECORD")) {
                    if (!next.empty()) Unread(next);
                    TypeKind = TTypeKind::Record;
                    ParseModernClass(nullptr);
                }
            } else if (StructuredKind(kind, structured)) {
                TypeKind = structured;
                ParseModernClass(nullptr);
            } else if (!kind.empty() && typeSection) {
                ParseTypeAlias(kind);
            }
            FPendingName = {};
        } else if (IsKeyword(word, "IMPLEMENTATION") && s.empty()) {
            InImplementation = true;
            typeSection = false;
        } else if (IsKeyword(word, "TYPE") && s.empty()) {
            typeSection = true;
        } else if (s.empty() && (IsKeyword(word, "VAR") || IsKeyword(word, "CONST") || IsKeyword(word, "BEGIN") ||
                                 IsKeyword(word, "RESOURCESTRING") || IsKeyword(word, "THREADVAR") ||
                                 IsKeyword(word, "INITIALIZATION") || IsKeyword(word, "LABEL"))) {
            typeSection = false;
        } else if (IsKeyword(word, "USES")) {
            if (!Is(s, ";")) ParseModernUses();
        } else if (!headingSeen && (IsKeyword(word, "UNIT") || IsKeyword(word, "LIBRARY")) && s.empty()) {
            // A dotted name is one name: "unit Lib.Alpha;".
            UnitName.assign(ReadName());
            while (Accept('.')) UnitName.append(".").append(ReadName());
            ReadSymbols();
            headingSeen = true;
        }
    }
}

// The names of a uses clause, dotted ones whole ("System.Classes"), upper-cased; "in 'file'" is
// passed over.
void TUnitParser::ParseModernUses() {
    for (;;) {
        std::string_view name = ReadName();
        if (name.empty()) {
            const char c = PeekSym();
            if (c == ';') {
                ++FPos;
                return;
            }
            ++FPos;
            if (c == '\'') ReadCharsUntil('\'');  // the file name after IN
            continue;
        }
        if (IsKeyword(name, "IN")) continue;
        UsesUnit.clear();
        AppendUpper(UsesUnit, Bare(name));
        while (Accept('.')) {
            name = ReadName();
            if (name.empty()) break;
            UsesUnit += '.';
            AppendUpper(UsesUnit, Bare(name));
        }
        OnUses(*this);
    }
}

// The type being declared: its name, its generic parameters, the type it is nested in.
void TUnitParser::NameType(std::string_view Name, int Arity, const std::string& Params, const std::string& Outer) {
    TypeName.assign(Bare(Name));
    TypeArity = Arity;
    OuterName = Outer;
    QualifiedName = Outer.empty() ? std::string() : Outer + ".";
    QualifiedName += TypeName;
    if (Arity > 0) QualifiedName += "<" + Params + ">";
    TypeKind = TTypeKind::Class;
    HelpedType.clear();
    InterfaceGuid.clear();
    AncestorArity = 0;
    TypeInfo = TypeInfoOn();
}

// After an operator's parameters: its result type, which tells apart operators of the same
// parameters ("Implicit(A: TRec): Integer" and "Implicit(A: TRec): string"): ":INTEGER". Free
// Pascal may name the result: "operator =(A, B: TRec) R: Boolean".
std::string TUnitParser::ResultSuffix() {
    if (PeekSym() == 0) {
        const std::string_view name = ReadName();
        if (PeekSym() != ':') {
            Unread(name);
            return {};
        }
    }
    if (!Accept(':')) return {};
    std::string result = ":";
    AppendUpper(result, Bare(ReadQualifiedName()));
    return result;
}

// What tells a generic method from one of the same name and parameters: "<>" for one generic
// parameter, "<,>" for two...
std::string TUnitParser::GenericPrefix(int Arity) const {
    return Arity > 0 ? "<" + std::string(size_t(Arity - 1), ',') + ">" : std::string();
}

// After PROCEDURE, FUNCTION, CONSTRUCTOR, DESTRUCTOR or OPERATOR outside a class declaration:
// Class.Method, Outer.Inner.Method and Generic<T>.Method<U> are implementation headings of the
// last class named.
void TUnitParser::ParseModernImplementation(bool ClassMember, bool Operator) {
    std::string_view qualifier, method = ReadName();
    if (method.empty()) return;
    int arity = 0;  // the method's own generic parameters
    for (;;) {
        MarkName();  // the line on which the method name ends
        arity = 0;
        if (PeekSym() == '<' && LooksLikeTypeArgs(".(:;")) {
            ++FPos;
            arity = SkipTypeArgs();
        }
        if (!Accept('.')) break;
        qualifier = method;
        method = ReadName();
        if (method.empty()) return;
    }
    if (qualifier.empty()) return;  // a routine of the unit, or a forward declaration
    TypeName.assign(Bare(qualifier));
    MethodName.assign(Bare(method));
    this->ClassMember = ClassMember;
    MethodParams = (ClassMember ? "class " : "") + GenericPrefix(arity) + (Accept('(') ? ReadParams() : "()");
    if (Operator) MethodParams += ResultSuffix();
    OnImplementation(*this);
}

// At "<": whether type arguments follow, closed by ">" and then one of Followers. Only names,
// blanks, ",", ".", ":" and ";" (of constraints) may stand between, so that comparisons in
// statements, which hold ":=" or parentheses, are not taken for type arguments.
bool TUnitParser::LooksLikeTypeArgs(std::string_view Followers) const {
    int depth = 0;
    const char* end = FEnd - FPos > 4096 ? FPos + 4096 : FEnd;
    for (const char* p = FPos; p < end; ++p) {
        const char c = *p;
        if (c == '<') {
            ++depth;
        } else if (c == '/' && p + 1 < end && p[1] == '/') {  // comments between the arguments
            while (p + 1 < end && p[1] != '\n') ++p;
        } else if (c == '{') {
            while (p + 1 < end && p[1] != '}') ++p;
            ++p;
        } else if (c == '>') {
            if (--depth > 0) continue;
            for (++p; p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n'); ++p) {
            }
            return p < end && Followers.find(*p) != std::string_view::npos;
        } else if (!IsIdentCont(c) && c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != ',' && c != '.' &&
                   c != ':' && c != ';' && c != '&') {
            return false;
        }
    }
    return false;
}

// The item is where the reading stands.
void TUnitParser::MarkItem() {
    ItemLine = Line;
    if (InIncludeFile()) ItemFile = ReadingFile().Path;
    else ItemFile.clear();
}

// The item is where the last name read ends.
void TUnitParser::MarkName() {
    ItemLine = FNameLine;
    ItemFile = FNameFile;
}

// The next symbol after blanks and comments, or 0 when a name comes next ("&" and a name too).
char TUnitParser::PeekSym() {
    if (!FPendingName.empty()) return 0;
    SkipBlanks();
    const char c = *FPos;
    if (IsIdentStart(c) || EscapedNameLength() > 0) return 0;
    return c;
}

// The "&" or "&&" in front of a name spelled like a keyword ("&End", "&&op_Equality"); 0 when
// no such name comes next.
size_t TUnitParser::EscapedNameLength() const {
    size_t n = 0;
    while (n < 2 && FEnd - FPos > ptrdiff_t(n) && FPos[n] == '&') ++n;
    return n > 0 && FEnd - FPos > ptrdiff_t(n) && IsIdentStart(FPos[n]) ? n : 0;
}

bool TUnitParser::Accept(char C) {
    if (PeekSym() != C) return false;
    ++FPos;  // never a line end: the blanks before were skipped
    return true;
}

// The next name, "&" included so that "&End" is no keyword; empty when a symbol comes next.
// Unread hands a name back to be read again.
// After "Name =" and a word that is no CLASS: "Name = Other;", "Name = Unit.Other;",
// "Name = specialize Generic<...>;" and "Name = Generic<...>;" name another type, perhaps a
// class. OnTypeAlias is told of each, with AncestorName the last part of the other's name,
// without type arguments; whether that is a class the listener decides.
void TUnitParser::ParseTypeAlias(std::string_view Word) {
    if (IsKeyword(Word, "SPECIALIZE")) Word = ReadName();
    if (IsKeyword(Word, "REFERENCE")) {  // reference to procedure (...)
        ReadName();
        Word = ReadName();
    }
    if (IsRoutineKeyword(Word)) {
        // A procedural type: its parameters' "const" and "var" must not end the type section.
        if (Accept('(')) ReadParams();
        return;
    }
    if (Word.empty()) return;
    while (PeekSym() == '.') {
        ++FPos;
        const std::string_view part = ReadName();
        if (part.empty()) return;
        Word = part;
    }
    if (PeekSym() == '<' && LooksLikeTypeArgs(";")) {
        ++FPos;
        SkipTypeArgs();
    }
    if (PeekSym() != ';') return;
    AncestorName.assign(Bare(Word));
    OnTypeAlias(*this);
}

std::string_view TUnitParser::ReadName() {
    if (!FPendingName.empty()) {
        const std::string_view name = FPendingName;  // its line and file are still the last ones
        FPendingName = {};
        return name;
    }
    if (PeekSym() != 0) return {};
    const char* start = FPos;
    const size_t escapes = EscapedNameLength();
    FPos += escapes;
    const std::string_view name = ScanIdent();
    FNameLine = Line;
    if (InIncludeFile()) FNameFile = ReadingFile().Path;
    else FNameFile.clear();
    // A macro's name gives the macro's first name, which lies in the macro's text.
    if (escapes > 0 && name.data() == start + escapes) return {start, name.size() + escapes};
    return name;
}

// After "<": skips to the matching ">". Returns how many parameters or arguments stood there,
// and adds their names to Names, separated by ",": a name counts when it opens a parameter or
// argument at the outer level (not after "." of a qualified name, not in a constraint after ":",
// not "specialize").
int TUnitParser::SkipTypeArgs(std::string* Names) {
    int arity = 0;
    bool constraint = false, qualified = false;
    for (int depth = 1; depth > 0;) {
        const char c = PeekSym();
        if (c == 0) {
            const std::string_view name = ReadName();
            if (depth == 1 && !constraint && !qualified && !IsKeyword(name, "SPECIALIZE")) {
                ++arity;
                if (Names && !Names->empty()) *Names += ',';
                if (Names) Names->append(Bare(name));
            }
            qualified = true;  // until a "," or ";" opens the next one
            continue;
        }
        ++FPos;
        if (c == '<') ++depth;
        else if (c == '>') --depth;
        else if (depth == 1 && c == ':') constraint = true;
        else if (depth == 1 && c == ';') constraint = qualified = false;
        else if (depth == 1 && c == ',') qualified = false;
    }
    return arity;
}

// Skips the rest of a declaration up to and including its ";", over brackets, parentheses and
// record or object types (Blocks of them already open); stops in front of an END that closes
// the class, which needs no ";" before it.
void TUnitParser::SkipDeclaration(int Blocks) {
    int depth = 0;
    bool afterOf = false;  // "procedure of object" opens no block
    for (;;) {
        const char c = PeekSym();
        if (c == 0) {
            const std::string_view word = ReadName();
            if (IsKeyword(word, "END")) {
                if (Blocks == 0) {
                    Unread(word);
                    return;
                }
                --Blocks;
            } else if (IsKeyword(word, "RECORD") || (IsKeyword(word, "OBJECT") && !afterOf)) {
                ++Blocks;
            }
            afterOf = IsKeyword(word, "OF");
            continue;
        }
        ++FPos;
        afterOf = false;
        if (c == '(' || c == '[') ++depth;
        else if ((c == ')' || c == ']') && depth > 0) --depth;
        else if (c == ';' && depth == 0 && Blocks == 0) return;
    }
}

// After "(" of a parameter list: the normalised list (see MethodParams), up to and including ")".
std::string TUnitParser::ReadParams() {
    enum class TPart { Names, Type, Default };
    std::string out = "(", type, mode;
    int names = 0, depth = 0;
    TPart part = TPart::Names;
    auto endGroup = [&] {
        if (names > 0 || !type.empty()) {
            if (type.empty()) type = mode;  // untyped: its passing mode
            for (int i = 0; i < std::max(names, 1); ++i) {
                if (out.size() > 1) out += ';';
                out += type;
            }
        }
        type.clear();
        mode.clear();
        names = 0;
        part = TPart::Names;
    };
    for (;;) {
        const char c = PeekSym();
        if (c == 0) {
            const std::string_view word = ReadName();
            if (part == TPart::Names) {
                if (names == 0 && mode.empty() &&
                    (IsKeyword(word, "CONST") || IsKeyword(word, "VAR") || IsKeyword(word, "OUT") || IsKeyword(word, "CONSTREF")))
                    AppendUpper(mode, word);
                else ++names;
            } else if (part == TPart::Type && !IsKeyword(word, "SPECIALIZE")) {
                if (!type.empty() && IsIdentCont(type.back())) type += ' ';
                AppendUpper(type, Bare(word));
            }
            continue;
        }
        ++FPos;
        if (part == TPart::Names) {
            if (c == '[') SkipBalanced('[', ']');  // an attribute such as [ref]
            else if (c == ':') part = TPart::Type;
            else if (c == ';' || c == ')') endGroup();
            if (c == ')') break;
            continue;
        }
        if (depth == 0 && (c == ';' || c == ')')) {
            endGroup();
            if (c == ')') break;
            continue;
        }
        if (depth == 0 && c == '=') part = TPart::Default;
        if (c == '(' || c == '[') ++depth;
        else if ((c == ')' || c == ']') && depth > 0) --depth;
        if (part != TPart::Type) continue;
        if (c == '.') {  // a unit qualifier: only the name after it counts
            while (!type.empty() && IsIdentCont(type.back())) type.pop_back();
        } else {
            type += c;
        }
    }
    out += ')';
    return out;
}

TUnitParser::TDeferredEvent TUnitParser::Capture(TParserEvent TUnitParser::*Event) const {
    return {Event,         TypeName,      AncestorName, MethodName, PropertyName,  FieldName,  ItemFile,
            MethodParams,  Interfaces,    Visibility,   ItemLine,   Strict,        TypeKind,   HelpedType,
            QualifiedName, OuterName,     InterfaceGuid, TypeArity,    AncestorArity, TypeInfo,   ClassMember, DefaultVisibility,
            Redeclared};
}

void TUnitParser::Restore(TDeferredEvent&& State) {
    TypeName = std::move(State.TypeName);
    AncestorName = std::move(State.AncestorName);
    MethodName = std::move(State.MethodName);
    PropertyName = std::move(State.PropertyName);
    FieldName = std::move(State.FieldName);
    ItemFile = std::move(State.ItemFile);
    MethodParams = std::move(State.MethodParams);
    Interfaces = std::move(State.Interfaces);
    Visibility = State.Visibility;
    ItemLine = State.ItemLine;
    Strict = State.Strict;
    TypeKind = State.TypeKind;
    HelpedType = std::move(State.HelpedType);
    QualifiedName = std::move(State.QualifiedName);
    OuterName = std::move(State.OuterName);
    InterfaceGuid = std::move(State.InterfaceGuid);
    TypeArity = State.TypeArity;
    AncestorArity = State.AncestorArity;
    TypeInfo = State.TypeInfo;
    ClassMember = State.ClassMember;
    DefaultVisibility = State.DefaultVisibility;
    Redeclared = State.Redeclared;
}

void TUnitParser::Announce(TParserEvent TUnitParser::*Event, std::vector<TDeferredEvent>* Sink) {
    if (!Sink) {
        (this->*Event)(*this);
        return;
    }
    Sink->push_back(Capture(Event));
}

// A class's held-back events: into the class around it, or announced now.
void TUnitParser::Replay(std::vector<TDeferredEvent>& Events, std::vector<TDeferredEvent>* Sink) {
    if (Sink) {
        std::move(Events.begin(), Events.end(), std::back_inserter(*Sink));
        return;
    }
    for (TDeferredEvent& e : Events) {
        const auto event = e.Event;
        Restore(std::move(e));
        (this->*event)(*this);
    }
}

}  // namespace qm
