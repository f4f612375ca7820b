// The parsing half of TUnitParser: the main loop over every identifier of the file, uses
// lists, and the state machine that reads a class declaration.
#include "unitparser.h"

#include <cstring>

#include "format.h"
#include "paths.h"

namespace qm {

namespace {

// Exact comparison with a keyword or symbol literal; the constant length lets the compiler
// compare inline, which matters on the main loop's path taken for every identifier.
template <size_t N>
inline bool Is(std::string_view Word, const char (&Literal)[N]) {
    return Word.size() == N - 1 && std::memcmp(Word.data(), Literal, N - 1) == 0;
}

bool IsRoutineKeyword(std::string_view Word) {
    return Is(Word, "PROCEDURE") || Is(Word, "FUNCTION") || Is(Word, "CONSTRUCTOR") ||
           Is(Word, "DESTRUCTOR");
}

bool IsCallingDirective(std::string_view Word) {
    return Is(Word, "VIRTUAL") || Is(Word, "DYNAMIC") || Is(Word, "OVERRIDE") || Is(Word, "REGISTER") ||
           Is(Word, "PASCAL") || Is(Word, "CDECL") || Is(Word, "STDCALL") || Is(Word, "ABSTRACT");
}

// The visibility a section keyword sets, or 0 for any other word.
int VisibilityOf(std::string_view Word) {
    if (Is(Word, "PUBLISHED")) return VisPublished;
    if (Is(Word, "PUBLIC")) return VisPublic;
    if (Is(Word, "PROTECTED")) return VisProtected;
    if (Is(Word, "PRIVATE")) return VisPrivate;
    if (Is(Word, "AUTOMATED")) return VisAutomated;
    return 0;
}

}  // namespace

void TUnitParser::SyntaxError(const char* Reason) const {
    throw EUnitParserError(Format("Internal Error: %s - Line %d, %s", {Reason, Line, UnitName}),
                           ParserSyntaxError, Reason);
}

void TUnitParser::Parse(const std::string& AFileName) { ParseText(AFileName, ReadFileBytes(AFileName)); }

void TUnitParser::ParseText(const std::string& AFileName, std::string Text) {
    OpenStream(std::move(Text));
    FileName = AFileName;
    struct StreamCloser {
        TUnitParser& Parser;
        ~StreamCloser() { Parser.CloseStream(); }
    } closer{*this};

    bool headingSeen = false;
    try {
        for (;;) {
            NextIdentToken();
            std::string_view s = ReadSymbols();
            if (Is(s, "=")) {
                TypeName = Token;
                ItemLine = Line;
                NextToken();
                if (Is(TokenUpper, "CLASS")) ParseClass();
            } else if (IsRoutineKeyword(TokenUpper)) {
                TypeName.assign(ScanIdent());
                if (Is(ReadSymbols(), ".")) {
                    MethodName.assign(ScanIdent());
                    ItemLine = Line;
                    OnImplementation(*this);
                }
            } else if (Is(TokenUpper, "USES")) {
                if (!Is(s, ";")) ParseUses();
            } else if (!headingSeen && (Is(TokenUpper, "UNIT") || Is(TokenUpper, "LIBRARY")) && s.empty()) {
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
        if (!TokenUpper.empty()) {
            UsesUnit = TokenUpper;
            OnUses(*this);
        }
    } while (!Is(ReadSymbols(), ";"));
}

void TUnitParser::ParseClass() {
    enum class TState { Heading, Body, MethodHeading, Directives, Field, PropertyHeading, Specifiers, AfterProperty };

    Visibility = VisPublished;
    Token = TokenUpper = " ";
    TState state = TState::Heading;
    bool readNext = false;
    for (;;) {
        if (readNext) NextToken();
        if (TokenUpper.empty()) SyntaxError("Unable to find identifier");
        readNext = true;
        const std::string& word = TokenUpper;

        switch (state) {
            case TState::Heading: {
                std::string_view s = ReadSymbols();
                if (s.empty()) {
                    NextToken();
                    if (Is(TokenUpper, "OF")) return;  // class reference type
                    AncestorName = "TObject";
                    OnClass(*this);
                    state = TState::Body;
                    readNext = false;
                } else if (Is(s, ";")) {
                    return;  // forward declaration
                } else if (Is(s, "(")) {
                    AncestorName.assign(ScanIdent());
                    s = ReadSymbols();
                    if (s.empty() || (s.size() == 1 && s[0] != ')')) SyntaxError("Class heritage missing )");
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
                if (Is(word, "END")) return;
                if (IsRoutineKeyword(word)) {
                    state = TState::MethodHeading;
                } else if (Is(word, "PROPERTY")) {
                    state = TState::PropertyHeading;
                } else if (int vis = VisibilityOf(word)) {
                    Visibility = vis;
                } else if (!Is(word, "CLASS")) {  // CLASS: a class method follows
                    state = TState::Field;
                    readNext = false;
                }
                break;

            case TState::MethodHeading: {
                MethodName = Token;
                ItemLine = Line;
                OnMethod(*this);
                std::string_view s = ReadSymbols();
                if (s.empty()) SyntaxError("Unable to find ; in method definition heading");
                if (Is(s, "(")) {
                    SkipBalanced('(', ')');
                    s = ReadSymbols();
                }
                if (Is(s, ":")) {
                    NextToken();  // the result type
                    s = ReadSymbols();
                }
                if (!Is(s, ";")) SyntaxError("Unable to find ; following method definition heading");
                state = TState::Directives;
                break;
            }

            case TState::Directives:
                if (IsCallingDirective(word)) {
                    ReadSymbols();
                } else if (Is(word, "MESSAGE")) {
                    NextToken();  // the message identifier
                    ReadSymbols();
                } else {
                    state = TState::Body;
                    readNext = false;
                }
                break;

            case TState::Field: {
                FieldName = Token;
                ItemLine = Line;
                OnField(*this);
                std::string_view s = ReadSymbols();
                if (Is(s, ",")) break;  // the next name of the same declaration
                if (!Is(s, ":")) SyntaxError("Unable to find : in field definition");
                SkipBalanced(';', ';');
                state = TState::Body;
                break;
            }

            case TState::PropertyHeading: {
                PropertyName = Token;
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
                if (Is(word, "READ") || Is(word, "WRITE") || Is(word, "STORED") || Is(word, "INDEX")) {
                    NextToken();  // the argument
                    std::string_view s = ReadSymbols();
                    if (Is(s, ".")) {
                        NextToken();
                        s = ReadSymbols();
                    }
                    if (Is(s, ";")) state = TState::AfterProperty;
                } else if (Is(word, "DEFAULT")) {
                    NextToken();
                    if (TokenUpper.empty() && Is(ReadSymbols(), "[")) SkipBalanced('[', ']');  // a number or a set
                    if (Is(ReadSymbols(), ";")) state = TState::AfterProperty;
                } else if (Is(word, "NODEFAULT")) {
                    if (Is(ReadSymbols(), ";")) state = TState::AfterProperty;
                } else {
                    state = TState::AfterProperty;
                    readNext = false;
                }
                break;

            case TState::AfterProperty:
                if (Is(word, "DEFAULT")) ReadSymbols();  // default-property directive of an array property
                else readNext = false;
                state = TState::Body;
                break;
        }
    }
}

}  // namespace qm
