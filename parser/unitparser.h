// TUnitParser: reads one Pascal unit in a single forward pass and announces its used units,
// class declarations, class members and method implementation headings through six events.
// It recognises a handful of keyword patterns and skips everything else; it is not a compiler.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "errors.h"
#include "events.h"

namespace qm {

// Visibility codes of class members (bit values, stored added to a member-kind code).
enum : int {
    VisPublished = 16,
    VisPublic = 32,
    VisProtected = 64,
    VisPrivate = 128,
    VisAutomated = 256,
};

// The longest identifier a unit may hold. Pascal compilers read far fewer characters of a name;
// a longer one is damage or a generated file, and would be a name that nothing can look up.
inline constexpr size_t MaxIdentifierLength = 1024;
inline constexpr const char* IdentifierTooLong = "Identifier longer than 1024 characters";

// Help-context numbers of EUnitParserError.
enum : int {
    ParserSyntaxError = 20,
    ParserStreamNotActive = 21,
};

class EUnitParserError : public Exception {
public:
    EUnitParserError(std::string Message, int HelpContext, std::string Reason)
        : Exception(std::move(Message), HelpContext), FReason(std::move(Reason)) {}

    // The bare description ("Unable to find identifier"), without line and unit name.
    const std::string& Reason() const noexcept { return FReason; }

private:
    std::string FReason;
};

// The end-of-stream signal: a silent abort raised by the peeks at the end of the data.
// Parse catches it and ends normally.
class EEndOfStream : public EAbort {
public:
    EEndOfStream() : EAbort("End of stream") {}
};

class TUnitParser {
public:
    using TParserEvent = TEvent<TUnitParser&>;

    int Line = 0;
    int ItemLine = 0;
    std::unique_ptr<std::string> Stream;  // the file's bytes while a parse runs
    int Visibility = 0;
    std::string FileName;
    std::string UnitName;
    std::string UsesUnit;
    std::string TypeName;
    std::string AncestorName;
    std::string MethodName;
    std::string PropertyName;
    std::string FieldName;

    TParserEvent OnUses;
    TParserEvent OnClass;
    TParserEvent OnMethod;
    TParserEvent OnProperty;
    TParserEvent OnField;
    TParserEvent OnImplementation;

    // Parses the whole file. Raises EUnitParserError on a syntax error; file errors,
    // "Stream read error" and whatever a handler raises pass through.
    void Parse(const std::string& AFileName);
    // Parse on contents already in memory; AFileName is only recorded.
    void ParseText(const std::string& AFileName, std::string Text);

    // Scanner. Each operation raises EUnitParserError 21 when no stream is open.
    void OpenStream(std::string Text);
    void CloseStream();
    char PeekChar();
    char PeekNextChar();
    char ReadChar();
    void SkipBlanks();
    void SkipBalanced(char Open, char Close);
    std::string ReadIdent();
    // The run stays valid until the next ReadSymbols.
    std::string_view ReadSymbols();
    void NextToken();
    void NextIdentToken();
    // The identifier read last by NextToken / NextIdentToken, as written and in ASCII upper
    // case. Both are made from the file's bytes only when asked for: the parser compares
    // keywords on the bytes, and most identifiers are never asked for.
    const std::string& Token() const;
    const std::string& TokenUpper() const;

private:
    void ParseUses();
    void ParseClass();
    [[noreturn]] void SyntaxError(const char* Reason) const;

    void CheckStream() const {
        if (!Stream) [[unlikely]]
            StreamNotActive();
    }
    [[noreturn]] static void StreamNotActive();
    [[noreturn]] static void EndOfStream();
    void SkipBlanksUnchecked();
    bool SkipComment(char C);
    void SkipLineComment();
    std::string_view ScanIdent();
    void SetToken(std::string_view Ident);
    void SetTokenText(const std::string& Text);
    void ReadCharsUntil(char Stop);

    const char* FPos = nullptr;
    const char* FEnd = nullptr;
    std::string FSymbols;
    std::string_view FToken;  // in the stream, or in FTokenText
    mutable std::string FTokenText;
    mutable std::string FTokenUpperText;
    mutable bool FTokenMade = true;
    mutable bool FTokenUpperMade = true;
};

}  // namespace qm
