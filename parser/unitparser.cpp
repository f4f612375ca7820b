// The parsing half of TUnitParser: the main loop over every identifier of the file, uses
// lists, and the state machine that reads a class declaration.
#include "unitparser.h"

#include <cstring>

#include "keywords.h"

#include "asciitext.h"
#include "format.h"
#include "paths.h"
#include "targets.h"

namespace qm {

using namespace keywords;

namespace {

bool IsCallingDirective(std::string_view Word) {
    return IsKeyword(Word, "VIRTUAL") || IsKeyword(Word, "DYNAMIC") || IsKeyword(Word, "OVERRIDE") || IsKeyword(Word, "REGISTER") ||
           IsKeyword(Word, "PASCAL") || IsKeyword(Word, "CDECL") || IsKeyword(Word, "STDCALL") || IsKeyword(Word, "ABSTRACT");
}

// Words that stand where the default dialect expects a field name only in later Object Pascal:
// method directives, strict visibility, sections and members of a class body, class modifiers,
// generics and property specifiers.
bool IsModernWord(std::string_view Word) {
    return IsKeyword(Word, "OVERLOAD") || IsKeyword(Word, "REINTRODUCE") || IsKeyword(Word, "INLINE") ||
           IsKeyword(Word, "STATIC") || IsKeyword(Word, "FINAL") || IsKeyword(Word, "DEPRECATED") ||
           IsKeyword(Word, "PLATFORM") || IsKeyword(Word, "EXPERIMENTAL") || IsKeyword(Word, "UNIMPLEMENTED") ||
           IsKeyword(Word, "SAFECALL") || IsKeyword(Word, "VARARGS") || IsKeyword(Word, "ASSEMBLER") ||
           IsKeyword(Word, "NOINLINE") || IsKeyword(Word, "EXTERNAL") || IsKeyword(Word, "DISPID") ||
           IsKeyword(Word, "ENUMERATOR") || IsKeyword(Word, "WINAPI") || IsKeyword(Word, "MWPASCAL") ||
           IsKeyword(Word, "VECTORCALL") || IsKeyword(Word, "STRICT") || IsKeyword(Word, "VAR") ||
           IsKeyword(Word, "CONST") || IsKeyword(Word, "TYPE") || IsKeyword(Word, "THREADVAR") ||
           IsKeyword(Word, "GENERIC") || IsKeyword(Word, "SPECIALIZE") || IsKeyword(Word, "OPERATOR") ||
           IsKeyword(Word, "ABSTRACT") || IsKeyword(Word, "SEALED") || IsKeyword(Word, "HELPER") ||
           IsKeyword(Word, "IMPLEMENTS") || IsKeyword(Word, "READONLY") || IsKeyword(Word, "WRITEONLY") ||
           IsKeyword(Word, "NORETURN") || IsKeyword(Word, "CPPDECL") || IsKeyword(Word, "NOSTACKFRAME") ||
           IsKeyword(Word, "INTERRUPT") || IsKeyword(Word, "HARDFLOAT") || IsKeyword(Word, "COMPILERPROC");
}

// Symbols that follow a name in a heritage list or a type only in later Object Pascal: another
// name of the list, a unit qualifier, type arguments, a method resolution.
bool IsModernSymbol(std::string_view Symbols) {
    return !Symbols.empty() && (Symbols[0] == ',' || Symbols[0] == '.' || Symbols[0] == '<' || Symbols[0] == '=');
}

}  // namespace

void TUnitParser::SyntaxError(const char* Reason) const { SyntaxError(std::string(Reason)); }

void TUnitParser::SyntaxError(const std::string& Reason) const {
    if (InIncludeFile())  // in an include file: its line, so its name too
        throw EUnitParserError(
            Format("Internal Error: %s - Line %d of %s, %s", {Reason, Line, ReadingFile().Path, UnitName}),
            ParserSyntaxError, Reason);
    throw EUnitParserError(Format("Internal Error: %s - Line %d, %s", {Reason, Line, UnitName}), ParserSyntaxError,
                           Reason);
}

bool ModernDialectReads(const std::string& FileName, const std::string& Text) {
    TUnitParser parser;
    parser.Dialect = TDialect::Modern;
    try {
        parser.ParseText(FileName, Text);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

std::string ReadSourceFile(const std::string& Path, TPathMatch Match) {
    return ReadFileBytes(Path, Match, MaxSourceFileSize, SourceTooLarge);
}

std::string_view ReadSourceFile(const std::string& Path, std::string& Buffer) {
    const size_t size = ReadFileBytes(Path, TPathMatch::AnyCase, MaxSourceFileSize, SourceTooLarge, Buffer);
    return {Buffer.data(), size};  // after the read: it may have moved the bytes
}

void TUnitParser::Parse(const std::string& AFileName) { ParseText(AFileName, ReadSourceFile(AFileName)); }

void TUnitParser::ParseText(const std::string& AFileName, std::string Text) {
    OpenStream(std::move(Text));
    ParseOpened(AFileName);
}

void TUnitParser::ParseBytes(const std::string& AFileName, std::string_view Bytes) {
    OpenStream({});
    const std::string_view bytes = WithoutByteOrderMark(Bytes);
    FPos = bytes.data();
    FEnd = FPos + bytes.size();
    ParseOpened(AFileName);
}

void TUnitParser::ParseOpened(const std::string& AFileName) {
    FileName = AFileName;
    StoppedAtModern = false;
    struct StreamCloser {
        TUnitParser& Parser;
        ~StreamCloser() { Parser.CloseStream(); }
    } closer{*this};

    FModern = Dialect == TDialect::Modern;
    if (FModern) {
        FIncludeCount = 0;
        // A unit of a Free Pascal or Lazarus tree is read for Free Pascal unless a target is named.
        FFreePascalTree = !(Defines && Defines->Target()) && InFreePascalTree(FileName);
        // Free Pascal's own mode, where no {$MODE} says otherwise, nests comments.
        FNestedComments = Target().FreePascal;
        FFiles.push_back({FileName, AbsolutePath(FileName), nullptr, nullptr, 0, false});
        try {
            ParseModernUnit();
        } catch (const EEndOfStream&) {
            // the end of the file: the parse is complete
        }
        return;
    }

    bool headingSeen = false;
    try {
        for (;;) {
            NextIdentToken();
            std::string_view s = ReadSymbols();
            if (Is(s, "=")) {
                TypeName.assign(FToken);
                ItemLine = Line;
                NextToken();
                if (IsKeyword(FToken, "CLASS")) ParseClass();
            } else if (IsRoutineKeyword(FToken)) {
                TypeName.assign(ScanIdent());
                if (Is(ReadSymbols(), ".")) {
                    MethodName.assign(ScanIdent());
                    ItemLine = Line;
                    OnImplementation(*this);
                }
            } else if (IsKeyword(FToken, "USES")) {
                if (!Is(s, ";")) ParseUses();
            } else if (!headingSeen && (IsKeyword(FToken, "UNIT") || IsKeyword(FToken, "LIBRARY")) && s.empty()) {
                UnitName.assign(ScanIdent());
                ReadSymbols();
                headingSeen = true;
            }
        }
    } catch (const EEndOfStream&) {
        // the end of the file: the parse is complete
    }
}

void TUnitParser::ParseUses() {
    do {
        NextToken();
        if (!FToken.empty()) {
            UsesUnit = TokenUpper();
            OnUses(*this);
        }
    } while (!Is(ReadSymbols(), ";"));
}

void TUnitParser::ParseClass() {
    enum class TState { Heading, Body, MethodHeading, Directives, Field, PropertyHeading, Specifiers, AfterProperty };

    Visibility = VisPublished;
    SetTokenText(" ");
    TState state = TState::Heading;
    bool readNext = false;
    for (;;) {
        if (readNext) NextToken();
        if (FToken.empty()) SyntaxError("Unable to find identifier");
        readNext = true;
        const std::string_view word = FToken;

        switch (state) {
            case TState::Heading: {
                std::string_view s = ReadSymbols();
                if (s.empty()) {
                    NextToken();
                    if (IsKeyword(FToken, "OF")) return;  // class reference type
                    AncestorName = "TObject";
                    OnClass(*this);
                    state = TState::Body;
                    readNext = false;
                } else if (Is(s, ";")) {
                    return;  // forward declaration
                } else if (Is(s, "(")) {
                    AncestorName.assign(ScanIdent());
                    s = ReadSymbols();
                    if (s.empty() || (s.size() == 1 && s[0] != ')')) {
                        StoppedAtModern = IsModernSymbol(s) || IsKeyword(AncestorName, "SPECIALIZE");
                        SyntaxError("Class heritage missing )");
                    }
                    bool noBody = Is(s.substr(1), ";");  // runs of two or more are not examined further
                    OnClass(*this);
                    if (noBody) return;
                    state = TState::Body;
                } else {
                    AncestorName = "TObject";
                    OnClass(*this);
                    state = TState::Body;
                }
                break;
            }

            case TState::Body:
                if (IsKeyword(word, "END")) return;
                if (IsRoutineKeyword(word)) {
                    state = TState::MethodHeading;
                } else if (IsKeyword(word, "PROPERTY")) {
                    state = TState::PropertyHeading;
                } else if (int vis = VisibilityOf(word)) {
                    Visibility = vis;
                } else if (!IsKeyword(word, "CLASS")) {  // CLASS: a class method follows
                    state = TState::Field;
                    readNext = false;
                }
                break;

            case TState::MethodHeading: {
                MethodName.assign(FToken);
                ItemLine = Line;
                OnMethod(*this);
                std::string_view s = ReadSymbols();
                if (s.empty()) SyntaxError("Unable to find ; in method definition heading");
                // Type parameters, or an empty parameter list "()".
                const bool generic = s[0] == '<' || (s[0] == '(' && s.size() > 1);
                if (Is(s, "(")) {
                    SkipBalanced('(', ')');
                    s = ReadSymbols();
                }
                bool specialized = false;
                if (Is(s, ":")) {
                    NextToken();  // the result type
                    specialized = IsKeyword(FToken, "SPECIALIZE");
                    s = ReadSymbols();
                }
                if (!Is(s, ";")) {
                    StoppedAtModern = generic || specialized || IsModernSymbol(s);
                    SyntaxError("Unable to find ; following method definition heading");
                }
                state = TState::Directives;
                break;
            }

            case TState::Directives:
                if (IsCallingDirective(word)) {
                    ReadSymbols();
                } else if (IsKeyword(word, "MESSAGE")) {
                    NextToken();  // the message identifier
                    ReadSymbols();
                } else {
                    state = TState::Body;
                    readNext = false;
                }
                break;

            case TState::Field: {
                FieldName.assign(FToken);
                ItemLine = Line;
                OnField(*this);
                std::string_view s = ReadSymbols();
                if (Is(s, ",")) break;  // the next name of the same declaration
                if (!Is(s, ":")) {
                    // A type that is not a name (a pointer, an enumeration, a variant part) follows
                    // the colon at once.
                    StoppedAtModern = IsModernWord(FieldName) || (!s.empty() && (s[0] == '<' || s[0] == ':'));
                    SyntaxError("Unable to find : in field definition");
                }
                SkipBalanced(';', ';');
                state = TState::Body;
                break;
            }

            case TState::PropertyHeading: {
                PropertyName.assign(FToken);
                std::string_view s = ReadSymbols();
                if (s.empty()) {
                    state = TState::Specifiers;  // redeclared without a type: not announced
                } else if (Is(s, ";")) {
                    state = TState::Body;
                } else {
                    if (Is(s, "[")) {
                        SkipBalanced('[', ']');
                        s = ReadSymbols();
                    }
                    if (!Is(s, ":")) SyntaxError("Unable to find : in property interface");
                    ItemLine = Line;
                    OnProperty(*this);
                    NextToken();  // the type
                    state = TState::Specifiers;
                }
                break;
            }

            case TState::Specifiers:
                if (IsKeyword(word, "READ") || IsKeyword(word, "WRITE") || IsKeyword(word, "STORED") || IsKeyword(word, "INDEX")) {
                    NextToken();  // the argument
                    std::string_view s = ReadSymbols();
                    if (Is(s, ".")) {
                        NextToken();
                        s = ReadSymbols();
                    }
                    if (Is(s, ";")) state = TState::AfterProperty;
                } else if (IsKeyword(word, "DEFAULT")) {
                    NextToken();
                    if (FToken.empty() && Is(ReadSymbols(), "[")) SkipBalanced('[', ']');  // a number or a set
                    if (Is(ReadSymbols(), ";")) state = TState::AfterProperty;
                } else if (IsKeyword(word, "NODEFAULT")) {
                    if (Is(ReadSymbols(), ";")) state = TState::AfterProperty;
                } else {
                    state = TState::AfterProperty;
                    readNext = false;
                }
                break;

            case TState::AfterProperty:
                if (IsKeyword(word, "DEFAULT")) ReadSymbols();  // default-property directive of an array property
                else readNext = false;
                state = TState::Body;
                break;
        }
    }
}

}  // namespace qm
