// A class declaration in the modern dialect: the heading with its modifiers, heritage list or
// helped type, and the body's sections, members and nested types.
#include <array>
#include <utility>

#include "keywords.h"
#include "unitparser.h"

namespace qm {

using namespace keywords;

namespace {

// The directives a method heading may carry, as Free Pascal, Lazarus and Delphi write them.
constexpr std::array<std::string_view, 60> MethodDirectives = {
    "ABSTRACT",      "ASSEMBLER",    "CBLOCK",         "CDECL",           "COMPILERPROC",   "CPPDECL",
    "DEPRECATED",    "DISPID",       "DYNAMIC",        "ENUMERATOR",      "EXPERIMENTAL",   "EXPORT",
    "EXTERNAL",      "FAR",          "FAR16",          "FINAL",           "FORWARD",        "HARDFLOAT",
    "INLINE",        "INTERNCONST",  "INTERNPROC",     "INTERRUPT",       "IOCHECK",        "LIBRARY",
    "LOCAL",         "MESSAGE",      "MS_ABI_CDECL",   "MS_ABI_DEFAULT",  "MWPASCAL",       "NEAR",
    "NODEFAULT",     "NORETURN",     "NOSTACKFRAME",   "OLDFPCCALL",      "OPTIONAL",       "OVERLOAD",
    "OVERRIDE",      "PASCAL",       "PLATFORM",       "REGISTER",        "REINTRODUCE",    "REQUIRED",
    "RTLPROC",       "SAFECALL",     "SAVEREGISTERS",  "SOFTFLOAT",       "STATIC",         "STDCALL",
    "SYSCALL",       "SYSV_ABI_CDECL", "SYSV_ABI_DEFAULT", "UNIMPLEMENTED", "VARARGS",      "VECTORCALL",
    "VIRTUAL",       "WINAPI",       "WEAKEXTERNAL",   "DISCARDRESULT",   "UNSAFE",         "DELAYED",
};

bool IsMethodDirective(std::string_view Word) {
    if (Word.empty() || Word.size() > 16) return false;
    char upper[16];
    for (size_t i = 0; i < Word.size(); ++i) upper[i] = scanner::UpperCaseOf[static_cast<unsigned char>(Word[i])];
    const std::string_view key(upper, Word.size());
    for (std::string_view d : MethodDirectives)
        if (d == key) return true;
    return false;
}

// Directives followed by an argument up to their ";": "message WM_PAINT", "dispid 201",
// "external 'lib' name 'x'", "enumerator MoveNext".
bool TakesArgument(std::string_view Word) {
    return IsKeyword(Word, "MESSAGE") || IsKeyword(Word, "DISPID") || IsKeyword(Word, "EXTERNAL") ||
           IsKeyword(Word, "ENUMERATOR") || IsKeyword(Word, "WEAKEXTERNAL");
}

}  // namespace

// The words that begin a structured type other than a class, and the kind each declares.
bool TUnitParser::StructuredKind(std::string_view Word, TTypeKind& Kind) {
    if (IsKeyword(Word, "RECORD")) Kind = TTypeKind::Record;
    else if (IsKeyword(Word, "OBJECT")) Kind = TTypeKind::Object;
    else if (IsKeyword(Word, "INTERFACE")) Kind = TTypeKind::Interface;
    else if (IsKeyword(Word, "DISPINTERFACE")) Kind = TTypeKind::DispInterface;
    else return false;
    return true;
}

// After CASE in a record: the variant part, up to the END of the record (left to be read).
void TUnitParser::SkipVariantPart() {
    int records = 0;  // records nested in the variants
    for (;;) {
        const char c = PeekSym();
        if (c != 0) {
            ++FPos;
            continue;
        }
        const std::string_view word = ReadName();
        if (IsKeyword(word, "RECORD")) {
            ++records;
        } else if (IsKeyword(word, "END")) {
            if (records == 0) {
                Unread(word);
                return;
            }
            --records;
        }
    }
}

// Entered after CLASS, RECORD, OBJECT, INTERFACE or DISPINTERFACE (or in front of HELPER after
// RECORD or TYPE), TypeKind telling which, with the type named (NameType), ItemLine and ItemFile
// set. Announces the type and its members into Sink, or at once when Sink is null.
TUnitParser::THeading TUnitParser::ParseModernClass(std::vector<TDeferredEvent>* Sink) {
    ++FClassDepth;
    struct TDepth {
        int& Depth;
        ~TDepth() { --Depth; }
    } depth{FClassDepth};
    const int classLine = ItemLine;
    const std::string classFile = ItemFile;
    // Only a class derives from TObject without saying so.
    AncestorName = TypeKind == TTypeKind::Class ? "TObject" : "";
    AncestorArity = 0;
    Interfaces.clear();
    bool heritage = false, helper = false, external = false, first = true;
    for (;; first = false) {
        const char c = PeekSym();
        if (c == '(') {
            ++FPos;
            ReadHeritage();
            heritage = true;
            continue;
        }
        if (c == ';' && !helper) {
            ++FPos;
            if (!heritage) return THeading::Done;  // forward declaration
            ItemLine = classLine;
            ItemFile = classFile;
            Announce(&TUnitParser::OnClass, Sink);
            return THeading::Done;  // a class without body
        }
        if (c != 0) break;
        const std::string_view word = ReadName();
        if (first && IsKeyword(word, "OF")) return THeading::Reference;
        const char after = PeekSym();
        if (after != ':' && after != ',') {  // else a field of that name begins the body
            if (IsKeyword(word, "ABSTRACT") || IsKeyword(word, "SEALED")) continue;
            if (IsKeyword(word, "EXTERNAL")) {
                external = true;
                continue;
            }
            if (IsKeyword(word, "HELPER")) {
                helper = true;
                if (TypeKind == TTypeKind::Class) TypeKind = TTypeKind::ClassHelper;
                if (TypeKind == TTypeKind::Record) TypeKind = TTypeKind::RecordHelper;
                continue;
            }
            if (external && IsKeyword(word, "NAME")) continue;
            if (helper && IsKeyword(word, "FOR")) {
                HelpedType.assign(Bare(ReadQualifiedName()));
                continue;
            }
        }
        Unread(word);  // the first word of the body
        break;
    }
    if (helper && !heritage) AncestorName.clear();  // a helper derives from nothing
    if ((TypeKind == TTypeKind::Interface || TypeKind == TTypeKind::DispInterface) && PeekSym() == '[') {
        // ['{...}']: the GUID, taken from between the quotes; a constant's name gives none.
        const char* open = FPos;
        ++FPos;
        SkipBalanced('[', ']');
        const std::string_view text(open, size_t(FPos - open));
        const size_t first = text.find('\''), last = first == text.npos ? first : text.find('\'', first + 1);
        if (last != text.npos) InterfaceGuid.assign(text.substr(first + 1, last - first - 1));
    }
    ItemLine = classLine;
    ItemFile = classFile;
    Announce(&TUnitParser::OnClass, Sink);

    enum class TSection { Fields, Constants, Types };
    TSection section = TSection::Fields;
    Visibility = VisPublished;
    DefaultVisibility = true;
    Strict = false;
    std::vector<TDeferredEvent> nested;
    bool sectionStart = false;  // the word before opened a section: "type public" keeps it
    bool classWord = false;     // "class" came before: a class method, property or var section
    bool classVars = false;     // in a "class var" section
    for (;;) {
        const bool afterSection = std::exchange(sectionStart, false);
        const char c = PeekSym();
        if (c != 0) {
            ++FPos;
            if (c == '[') SkipBalanced('[', ']');  // an attribute
            else if (c != ';') SyntaxError("Unable to find identifier");
            continue;
        }
        const std::string_view word = ReadName();
        if (IsKeyword(word, "END")) break;
        MarkName();  // a field's line: where its name ends
        // "class operator = (...)" and "class operator := (...)": symbols that would read as a
        // constant or a field.
        if (classWord && IsKeyword(word, "OPERATOR")) {
            classWord = false;
            ParseModernMethod(word, true, Sink);
            section = TSection::Fields;
            classVars = false;
            continue;
        }
        const char after = PeekSym();
        if (after != ':' && after != ',' && after != '=') {  // else a field, constant or type of that name
            if (int vis = VisibilityOf(word)) {
                Visibility = vis;
                DefaultVisibility = Strict = false;
                if (!afterSection) section = TSection::Fields, classVars = false;
                continue;
            }
            if (IsKeyword(word, "STRICT")) {
                const std::string_view which = ReadName();
                Visibility = VisibilityOf(which);
                if (Visibility != VisPrivate && Visibility != VisProtected) SyntaxError("Unable to find identifier");
                Strict = true;
                DefaultVisibility = false;
                if (!afterSection) section = TSection::Fields, classVars = false;
                continue;
            }
            if (IsKeyword(word, "CLASS")) {  // a class member follows
                classWord = true;
                continue;
            }
            if (IsKeyword(word, "GENERIC")) continue;  // a generic method follows
            if (TypeKind == TTypeKind::Record && IsKeyword(word, "CASE")) {
                SkipVariantPart();
                continue;
            }
            const bool classMember = std::exchange(classWord, false);
            if (IsRoutineKeyword(word) || IsKeyword(word, "OPERATOR")) {
                ParseModernMethod(word, classMember || IsKeyword(word, "OPERATOR"), Sink);
                section = TSection::Fields;
                classVars = false;
                continue;
            }
            if (IsKeyword(word, "PROPERTY")) {
                ParseModernProperty(classMember, Sink);
                section = TSection::Fields;
                classVars = false;
                continue;
            }
            if (IsKeyword(word, "VAR") || IsKeyword(word, "THREADVAR")) {
                section = TSection::Fields;
                classVars = classMember;
                sectionStart = true;
                continue;
            }
            if (IsKeyword(word, "CONST") || IsKeyword(word, "RESOURCESTRING")) {
                section = TSection::Constants;
                sectionStart = true;
                continue;
            }
            if (IsKeyword(word, "TYPE")) {
                section = TSection::Types;
                sectionStart = true;
                continue;
            }
            // Directives after a field or property: "static;", "deprecated;", "external name 'x';";
            // and "final class var".
            // A procedural field's calling convention may stand without ";": "cdecl varargs;".
            if (IsMethodDirective(word)) {
                if (TakesArgument(word)) SkipDeclaration();
                else if (after == ';') ++FPos;
                else if (after != 0) SyntaxError("Unable to find : in field definition");
                continue;
            }
        }
        switch (section) {
            case TSection::Fields:
                ClassMember = classVars;
                ParseModernField(word, Sink);
                break;
            case TSection::Constants: SkipDeclaration(); break;
            case TSection::Types: ParseNestedType(word, &nested); break;
        }
    }
    Replay(nested, Sink);
    return THeading::Body;
}

// After "(" of a heritage list: the ancestor, then the interfaces, up to ")". "()" keeps TObject.
void TUnitParser::ReadHeritage() {
    if (Accept(')')) return;
    for (bool first = true;; first = false) {
        int arity = 0;
        const std::string_view name = Bare(ReadQualifiedName(&arity));
        if (name.empty()) SyntaxError("Class heritage missing )");
        if (first) AncestorName.assign(name), AncestorArity = arity;
        else Interfaces.emplace_back(name);
        if (Accept(',')) continue;
        if (Accept(')')) return;
        SyntaxError("Class heritage missing )");
    }
}

// A type name such as "specialize Generics.TList<T>": returns its last part ("TList"), and in
// Arity how many type arguments that part takes.
std::string_view TUnitParser::ReadQualifiedName(int* Arity) {
    std::string_view name = ReadName();
    if (IsKeyword(name, "SPECIALIZE")) name = ReadName();
    for (;;) {
        const int arity = Accept('<') ? SkipTypeArgs() : 0;
        if (Arity) *Arity = arity;
        if (name.empty() || PeekSym() != '.') return name;
        ++FPos;
        const std::string_view next = ReadName();
        if (next.empty()) return name;
        name = next;
    }
}

// After PROCEDURE, FUNCTION, CONSTRUCTOR, DESTRUCTOR or OPERATOR in a class body.
void TUnitParser::ParseModernMethod(std::string_view Keyword, bool ClassMember, std::vector<TDeferredEvent>* Sink) {
    const std::string_view name = ReadName();
    bool bare = true;  // nothing but the name so far
    int arity = 0;
    if (name.empty()) {
        if (!IsKeyword(Keyword, "OPERATOR")) SyntaxError("Unable to find identifier");
        // an operator named by its symbol ("class operator +"): read, not announced
        for (char c; (c = PeekSym()) != '(' && c != ';';) {
            if (c == 0) ReadName();
            else ++FPos;
        }
    } else {
        MarkName();
        if (Accept('<')) arity = SkipTypeArgs();
        // "procedure IFoo.Bar = Baz;" and "function IEnum<T>.Get = GetT;" map an interface's
        // method: no member.
        if (PeekSym() == '.') {
            SkipDeclaration();
            return;
        }
    }
    this->ClassMember = ClassMember;
    MethodParams = (ClassMember ? "class " : "") + GenericPrefix(arity);
    if (Accept('(')) {
        MethodParams += ReadParams();
        bare = false;
    } else {
        MethodParams += "()";
    }
    if (IsKeyword(Keyword, "OPERATOR")) {
        const std::string result = ResultSuffix();
        MethodParams += result;
        bare = bare && result.empty();
    } else if (Accept(':')) {
        ReadQualifiedName();  // the result type
        bare = false;
    }
    if (!name.empty()) {
        MethodName.assign(Bare(name));
        Announce(&TUnitParser::OnMethod, Sink);
    }
    bool ended = Accept(';');
    while (PeekSym() == 0) {
        const std::string_view word = ReadName();
        const char after = PeekSym();
        if (!IsMethodDirective(word) || after == ':' || after == ',') {
            Unread(word);  // the next member
            break;
        }
        if (TakesArgument(word)) {
            SkipDeclaration();
            ended = true;
        } else {
            ended = Accept(';');
        }
    }
    if (!ended)
        SyntaxError(bare && PeekSym() == 0 ? "Unable to find ; in method definition heading"
                                           : "Unable to find ; following method definition heading");
}

// After PROPERTY: announced with the line where its type begins, or, named again without a type
// to change its visibility or specifiers, as Redeclared with the line of its name; the
// specifiers, whatever they are, are skipped to the ";", and a following "default;" of an array
// property with them.
void TUnitParser::ParseModernProperty(bool ClassMember, std::vector<TDeferredEvent>* Sink) {
    const std::string_view name = ReadName();
    if (name.empty()) SyntaxError("Unable to find identifier");
    MarkName();
    PropertyName.assign(Bare(name));
    this->ClassMember = ClassMember;
    if (Accept('[')) SkipBalanced('[', ']');
    const char c = PeekSym();
    Redeclared = c != ':';
    if (c == ':') {
        ++FPos;
        PeekSym();
        MarkItem();  // the line where the type begins
    } else if (c != ';' && c != 0) {
        SyntaxError("Unable to find : in property interface");
    }
    Announce(&TUnitParser::OnProperty, Sink);
    Redeclared = false;
    SkipDeclaration();
    const std::string_view next = ReadName();
    if (IsKeyword(next, "DEFAULT") && Accept(';')) return;
    if (!next.empty()) Unread(next);
}

// A field list from its first name (whose line is marked): each name announced, the type skipped.
void TUnitParser::ParseModernField(std::string_view Name, std::vector<TDeferredEvent>* Sink) {
    for (;;) {
        FieldName.assign(Bare(Name));
        Announce(&TUnitParser::OnField, Sink);
        if (!Accept(',')) break;
        Name = ReadName();
        if (Name.empty()) SyntaxError("Unable to find identifier");
        MarkName();
    }
    if (!Accept(':')) SyntaxError("Unable to find : in field definition");
    SkipDeclaration();
}

// A declaration of a nested type section from its name. A nested class, record, object or
// interface is announced with its members into Nested, after the type that holds it; other types
// are skipped.
void TUnitParser::ParseNestedType(std::string_view Name, std::vector<TDeferredEvent>* Nested) {
    std::string params;
    const int arity = Accept('<') ? SkipTypeArgs(&params) : 0;
    if (!Accept('=')) SyntaxError("Unable to find = in type definition");
    PeekSym();
    MarkItem();
    std::string_view kind = ReadName();
    if (IsKeyword(kind, "PACKED")) kind = ReadName();
    TTypeKind structured = TTypeKind::Class;
    if (IsKeyword(kind, "CLASS") || StructuredKind(kind, structured)) {
        // The holding class's state goes on after the nested class.
        TDeferredEvent outer = Capture(nullptr);
        NameType(Name, arity, params, outer.QualifiedName);
        TypeKind = structured;
        const THeading heading = ParseModernClass(Nested);
        Restore(std::move(outer));
        if (heading != THeading::Done) SkipDeclaration();  // "of TFoo;", or what follows END
    } else if (IsKeyword(kind, "OBJCCLASS") || IsKeyword(kind, "OBJCPROTOCOL") || IsKeyword(kind, "CPPCLASS")) {
        if (!Accept(';')) SkipDeclaration(1);  // a forward declaration ends at once
    } else {
        SkipDeclaration();
    }
}

}  // namespace qm
