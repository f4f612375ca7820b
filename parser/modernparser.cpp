// The modern dialect's main loop and the reading steps its class declarations share: one symbol
// at a time, names with "&", type arguments, declarations skipped to their ";", parameter lists
// normalised, and events announced at once or held back for a nested class.
#include <algorithm>

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
    InImplementation = false;
    for (;;) {
        NextIdentToken();
        const std::string_view word = FToken;
        if (IsRoutineKeyword(word) || IsKeyword(word, "OPERATOR")) {
            typeSection = false;
            ParseModernImplementation();
            continue;
        }
        if (PeekSym() == '<' && LooksLikeTypeArgs("=")) {  // a generic type: TList<T> = class
            ++FPos;
            SkipTypeArgs();
        }
        std::string_view s = ReadSymbols();
        if (Is(s, "=")) {
            TypeName.assign(word);
            MarkItem();
            std::string_view kind = ReadName();
            if (IsKeyword(kind, "PACKED")) kind = ReadName();
            if (IsKeyword(kind, "CLASS")) {
                ParseModernClass(nullptr);
            } else if ((IsKeyword(kind, "RECORD") || IsKeyword(kind, "TYPE"))) {
                const std::string_view next = ReadName();  // any other word means nothing to this loop
                if (IsKeyword(next, "HELPER")) {
                    Unread(next);
                    ParseModernClass(nullptr);
                }
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
            if (!Is(s, ";")) ParseUses();
        } else if (!headingSeen && (IsKeyword(word, "UNIT") || IsKeyword(word, "LIBRARY")) && s.empty()) {
            UnitName.assign(ScanIdent());
            ReadSymbols();
            headingSeen = true;
        }
    }
}

// After PROCEDURE, FUNCTION, CONSTRUCTOR, DESTRUCTOR or OPERATOR outside a class declaration:
// Class.Method, Outer.Inner.Method and Generic<T>.Method<U> are implementation headings of the
// last class named.
void TUnitParser::ParseModernImplementation() {
    std::string_view qualifier, method = ReadName();
    if (method.empty()) return;
    for (;;) {
        MarkName();  // the line on which the method name ends
        if (PeekSym() == '<' && LooksLikeTypeArgs(".(:;")) {
            ++FPos;
            SkipTypeArgs();
        }
        if (!Accept('.')) break;
        qualifier = method;
        method = ReadName();
        if (method.empty()) return;
    }
    if (qualifier.empty()) return;  // a routine of the unit, or a forward declaration
    TypeName.assign(Bare(qualifier));
    MethodName.assign(Bare(method));
    MethodParams = Accept('(') ? ReadParams() : "()";
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

// After "<": skips to the matching ">".
void TUnitParser::SkipTypeArgs() {
    for (int depth = 1; depth > 0;) {
        const char c = PeekSym();
        if (c == 0) {
            ReadName();
            continue;
        }
        ++FPos;
        if (c == '<') ++depth;
        else if (c == '>') --depth;
    }
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

void TUnitParser::Announce(TParserEvent TUnitParser::*Event, std::vector<TDeferredEvent>* Sink) {
    if (!Sink) {
        (this->*Event)(*this);
        return;
    }
    Sink->push_back({Event, TypeName, AncestorName, MethodName, PropertyName, FieldName, ItemFile, MethodParams,
                     Interfaces, Visibility, ItemLine, Strict});
}

// A class's held-back events: into the class around it, or announced now.
void TUnitParser::Replay(std::vector<TDeferredEvent>& Events, std::vector<TDeferredEvent>* Sink) {
    if (Sink) {
        std::move(Events.begin(), Events.end(), std::back_inserter(*Sink));
        return;
    }
    for (TDeferredEvent& e : Events) {
        TypeName = std::move(e.TypeName);
        AncestorName = std::move(e.AncestorName);
        MethodName = std::move(e.MethodName);
        PropertyName = std::move(e.PropertyName);
        FieldName = std::move(e.FieldName);
        ItemFile = std::move(e.ItemFile);
        MethodParams = std::move(e.MethodParams);
        Interfaces = std::move(e.Interfaces);
        Visibility = e.Visibility;
        ItemLine = e.ItemLine;
        Strict = e.Strict;
        (this->*e.Event)(*this);
    }
}

}  // namespace qm
