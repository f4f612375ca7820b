// TUnitParser: reads one Pascal unit in a single forward pass and announces its used units,
// class declarations, class members and method implementation headings through six events.
// It recognises a handful of keyword patterns and skips everything else; it is not a compiler.
// Two dialects: the exact Delphi 2.0 rules (the default) and modern Object Pascal (below).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "conditionals.h"
#include "errors.h"
#include "events.h"
#include "paths.h"
#include "typekind.h"

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

// The rules a parse follows.
//  Delphi2  the Delphi 2.0 rules, exactly: every event and every error as they have always been.
//  Modern   also reads what Free Pascal, Lazarus and later Delphi versions write: method directives
//           with or without ";" before them; heritage lists with interfaces, unit-qualified and
//           generic names; strict visibility; generic classes and methods (under their bare
//           names); class var, var, const and nested type sections (nested classes are announced
//           as classes of the unit, after the class that holds them); class, record and type
//           helpers; abstract, sealed and external classes; fields of anonymous types; properties
//           with any specifiers; "&" names; conditional compilation as a compiler of the target
//           follows it (see Defines); types named after other types (OnTypeAlias); and include
//           files ({$I name}, {$INCLUDE name}).
enum class TDialect { Delphi2, Modern };

// Text a caller adds to a default-dialect parse error when ModernDialectReads says the modern
// dialect reads the unit.
inline constexpr const char* ModernDialectHint =
    "This unit uses modern Object Pascal: turn on \"Read modern Object Pascal\" in Configuration, or use --modern";

// The largest unit or include file read: far above any real Pascal source (the largest known is
// under 3 MB). A larger file is damage or no source at all, and reading it would cost its size.
inline constexpr uintmax_t MaxSourceFileSize = uintmax_t(64) << 20;
inline constexpr const char* SourceTooLarge = "%s is too large (%d MB) to be a Pascal unit";

// The bytes of a unit or include file (ReadFileBytes, platform/paths.h): EFOpenError when it
// cannot be read; EStreamError SourceTooLarge, before a byte is read, when it holds more than
// MaxSourceFileSize bytes.
std::string ReadSourceFile(const std::string& Path, TPathMatch Match = TPathMatch::AnyCase);
// The same into Buffer, kept from one file to the next: the file's bytes are the first ones of
// Buffer, as many as returned (ReadFileBytes).
std::string_view ReadSourceFile(const std::string& Path, std::string& Buffer);

// Reads an include file for the modern dialect: true with the text and the path the file was
// found under when a file exists at Path, false when none does. The parser asks for each name
// it tries in turn (see IncludeReader).
using TIncludeReader = std::function<bool(const std::string& Path, std::string& FoundPath, std::string& Text)>;

// The include reader on the file system: a name missing as spelled is matched without regard to
// letter case (platform/paths.h), and FoundPath is the path so matched.
bool ReadIncludeFile(const std::string& Path, std::string& FoundPath, std::string& Text);

class TUnitParser {
public:
    using TParserEvent = TEvent<TUnitParser&>;

    TDialect Dialect = TDialect::Delphi2;
    // Where include files come from; ReadIncludeFile unless the caller sets another (tests and
    // the fuzzer keep files in memory). The candidates asked for, in order, are the folder of the
    // including file (FolderPart) followed by the name as written, then by the name with ".inc",
    // ".pp" and ".pas" added.
    TIncludeReader IncludeReader = ReadIncludeFile;
    // Modern dialect: the symbols the unit is read with. Of {$IFDEF}, {$IFNDEF}, {$IF} and
    // {$ELSEIF} (EvaluateCondition), {$IFOPT}, {$ELSE}, {$ENDIF} and {$IFEND} only the branches a
    // compiler would read are read; {$DEFINE}, {$UNDEF} and {$I} count only there. A condition the
    // reading cannot decide takes its branch. The source's own {$DEFINE}s and {$UNDEF}s hold for
    // this parse only; {$DEFINE NAME:=TEXT} under {$MACRO ON} makes NAME stand for TEXT wherever it
    // is read as a name. Without a target in the set (or without a set) the unit is read for
    // DefaultTarget(false), and for DefaultTarget(true) from a {$MODE ...} directive on.
    std::shared_ptr<const TDefineSet> Defines;

    int Line = 0;
    int ItemLine = 0;
    // The file ItemLine counts in: empty for the unit's own file, else the include file's path as
    // the include reader found it. Always empty in the Delphi2 dialect.
    std::string ItemFile;
    std::unique_ptr<std::string> Stream;  // the file's bytes (ParseText) while a parse runs
    int Visibility = 0;
    std::string FileName;
    std::string UnitName;
    std::string UsesUnit;
    std::string TypeName;
    std::string AncestorName;
    std::string MethodName;
    std::string PropertyName;
    std::string FieldName;

    // Modern dialect only (left empty or false in the Delphi2 dialect):
    // OnClass: the names after the ancestor in the heritage list, in order. Like AncestorName, each
    // is the last part of its name without type arguments ("Classes.IFoo<T>" gives "IFoo").
    std::vector<std::string> Interfaces;
    // OnMethod, OnProperty, OnField: the visibility in force was declared "strict private" or
    // "strict protected" (Visibility holds VisPrivate or VisProtected).
    bool Strict = false;
    // OnMethod, OnImplementation: the parameter list, normalised so that a declaration and its
    // implementation heading give the same text: "(" the parameter types in order, separated by
    // ";", ")". Each name of a group counts once ("A, B: Integer" is "INTEGER;INTEGER"); names,
    // passing modes and default values are dropped; an untyped parameter counts as its passing
    // mode ("var X" is "VAR"). A type is upper-cased, without unit qualifiers or "specialize",
    // blanks and comments dropped but one blank between two words: "array of const" is
    // "ARRAY OF CONST", "Generics.TList<Classes.TStrings>" is "TLIST<TSTRINGS>". A heading without
    // a parameter list, or with an empty one, gives "()".
    std::string MethodParams;
    // OnClass: the class is declared in the implementation section, where only its own unit sees
    // it. Always false in the Delphi2 dialect.
    bool InImplementation = false;
    // OnClass: what the type is; a helper's helped type (its last name part, as AncestorName).
    // A type of any kind but a class has no AncestorName without a heritage list.
    TTypeKind TypeKind = TTypeKind::Class;
    std::string HelpedType;
    // OnClass of an interface or dispinterface: the GUID its body opens with, as written between
    // the quotes ("{00000000-0000-0000-C000-000000000046}"); empty when it declares none.
    std::string InterfaceGuid;
    // OnClass: the type's generic parameters (TypeArity: how many) and the name the unit knows it
    // by: outer types first, generic parameters named ("TDict<K,V>.TKeys"); OuterName is the
    // outer type's, empty for a type of the unit. AncestorArity: type arguments the ancestor
    // takes ("TList<Integer>" gives 1).
    int TypeArity = 0;
    std::string QualifiedName;
    std::string OuterName;
    int AncestorArity = 0;
    // OnClass: run-time type information was on ({$M+}, {$TYPEINFO ON}) where the type was declared.
    bool TypeInfo = false;
    // OnMethod, OnProperty, OnField, OnImplementation: a class (static) member: "class procedure",
    // "class var", "class property", a class constructor or destructor, a named operator.
    // MethodParams then begins with "class ", and with "<,>" (a comma fewer than the method's
    // generic parameters) after that for a generic method: "class <>(INTEGER)". An operator's
    // MethodParams end with its result type: "class (TREC):INTEGER".
    bool ClassMember = false;
    // OnMethod, OnProperty, OnField: the member stands before any visibility section of its class,
    // where the compiler makes it published or public by the {$M} state of the class (Visibility
    // is VisPublished then).
    bool DefaultVisibility = false;
    // OnProperty: a property named again without a type ("property Caption;"), to change its
    // visibility or specifiers.
    bool Redeclared = false;
    // Delphi2 dialect, after a parse that failed: what stopped it is a construct of later Object
    // Pascal that the modern dialect reads (a directive such as overload, a strict visibility, a
    // section inside a class, an interface or a type argument in a heritage list or a type). It
    // tells a modern unit from a broken one at no cost: the file is not read a second time.
    bool StoppedAtModern = false;

    TParserEvent OnUses;
    TParserEvent OnClass;
    TParserEvent OnMethod;
    TParserEvent OnProperty;
    TParserEvent OnField;
    TParserEvent OnImplementation;
    // Modern dialect only: "TypeName = AncestorName;", a type named after another (which may be
    // a class); ItemLine and ItemFile tell where.
    TParserEvent OnTypeAlias;
    // Modern dialect only: something the parse passed over that the user should know of, in
    // Warning (an include file not found outside a class declaration).
    TParserEvent OnWarning;
    std::string Warning;

    // Parses the whole file. Raises EUnitParserError on a syntax error; file errors,
    // "Stream read error" and whatever a handler raises pass through.
    void Parse(const std::string& AFileName);
    // Parse on contents already in memory; AFileName is recorded and, in the modern dialect,
    // include files are looked for in its folder.
    //
    // Modern dialect: events keep the order and contract of the default dialect (members follow
    // the OnClass of their class; a nested class is announced with its members after the END of
    // the class that holds it, so a handler may still attach each member to the class announced
    // last). Every OnClass, member and OnImplementation event sets ItemFile beside ItemLine.
    // Records, objects, interfaces and dispinterfaces are announced like classes, TypeKind telling
    // which; of them only a class has TObject for ancestor when its heritage list names none. A
    // record's variant part ("case ... of") is passed over. Operators named by a symbol
    // ("operator +") and interface method maps ("procedure IFoo.Bar = Baz;") are not announced.
    // Include files: {$I+}, {$I-} and {$I %DATE%}-style directives are not includes. A missing
    // include file (IncludeNotFound) outside a class declaration is passed over with OnWarning;
    // one inside a class declaration and a file that includes itself, directly or through others
    // (IncludeCycle), are syntax errors raised at the line of the directive, followed by the name
    // as written; inside an {$IF...} block, which may never be compiled, such a directive is
    // passed over instead. More than MaxIncludes inclusions in one parse are an error too
    // (TooManyIncludes). A syntax error inside an include file names that file:
    // "Internal Error: %s - Line %d of %s, %s".
    void ParseText(const std::string& AFileName, std::string Text);
    // ParseText on bytes the caller keeps, unchanged, until the parse ends (Stream is empty
    // meanwhile): a run over many files reads each into one buffer.
    void ParseBytes(const std::string& AFileName, std::string_view Bytes);

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
    // A class's events held back while the class around it is read (nested classes).
    struct TDeferredEvent {
        TParserEvent TUnitParser::*Event;
        std::string TypeName, AncestorName, MethodName, PropertyName, FieldName, ItemFile, MethodParams;
        std::vector<std::string> Interfaces;
        int Visibility, ItemLine;
        bool Strict;
        TTypeKind TypeKind;
        std::string HelpedType, QualifiedName, OuterName, InterfaceGuid;
        int TypeArity, AncestorArity;
        bool TypeInfo, ClassMember, DefaultVisibility, Redeclared;
    };
    // A file being read: the unit's own file first, then each include file open in it.
    struct TSourceFile {
        std::string Path;        // as found; the unit's own file as given to the parse
        std::string Key;         // Path made absolute and clean, for recognising a cycle
        const char* ResumePos;   // where the including file goes on
        const char* ResumeEnd;
        int ResumeLine;
        bool Macro = false;      // a macro's text, read where its name stood (Key: the macro's name)
    };
    // An {$IF...} block open: whether one of its branches has been read.
    struct TCondition {
        bool Taken;
    };
    // How a class heading ended: at the END of a body, after "of" of a class reference, or
    // after the ";" of a forward declaration or a class without body.
    enum class THeading { Body, Reference, Done };

    void ParseOpened(const std::string& AFileName);
    void ParseUses();
    void ParseClass();
    [[noreturn]] void SyntaxError(const char* Reason) const;
    [[noreturn]] void SyntaxError(const std::string& Reason) const;

    // Modern dialect (modernparser.cpp, modernclass.cpp)
    void ParseModernUnit();
    void ParseModernImplementation(bool ClassMember, bool Operator);
    std::string ResultSuffix();
    void NameType(std::string_view Name, int Arity, const std::string& Params, const std::string& Outer);
    bool TypeInfoOn() const;
    void ParseTypeAlias(std::string_view Word);
    bool LooksLikeTypeArgs(std::string_view Followers) const;
    THeading ParseModernClass(std::vector<TDeferredEvent>* Sink);
    void ReadHeritage();
    std::string_view ReadQualifiedName(int* Arity = nullptr);
    void ParseModernMethod(std::string_view Keyword, bool ClassMember, std::vector<TDeferredEvent>* Sink);
    void ParseModernProperty(bool ClassMember, std::vector<TDeferredEvent>* Sink);
    void ParseModernField(std::string_view Name, std::vector<TDeferredEvent>* Sink);
    void ParseNestedType(std::string_view Name, std::vector<TDeferredEvent>* Sink);
    static bool StructuredKind(std::string_view Word, TTypeKind& Kind);
    void SkipVariantPart();
    void Announce(TParserEvent TUnitParser::*Event, std::vector<TDeferredEvent>* Sink);
    // The item's fields as they stand, and back (a held-back event, or the state of a type
    // around a nested one).
    TDeferredEvent Capture(TParserEvent TUnitParser::*Event) const;
    void Restore(TDeferredEvent&& State);
    void Replay(std::vector<TDeferredEvent>& Events, std::vector<TDeferredEvent>* Sink);
    void MarkItem();
    void MarkName();
    void Unread(std::string_view Name) { FPendingName = Name; }
    char PeekSym();
    size_t EscapedNameLength() const;
    bool Accept(char C);
    std::string_view ReadName();
    int SkipTypeArgs(std::string* Names = nullptr);
    void ParseModernUses();
    std::string GenericPrefix(int Arity) const;
    void SkipDeclaration(int Blocks = 0);
    std::string ReadParams();

    // Directives of the modern dialect (directives.cpp)
    void ReadDirective();
    void OpenInclude(std::string_view Name);
    bool CloseInclude();
    void SkipToBranch();
    TTruth Condition(const std::string& Name, std::string_view Argument) const;
    const TSymbolState* Symbol(std::string_view UpperName) const;
    const TTarget& Target() const;
    void DefineSymbol(bool Define, std::string_view Argument);
    bool ExpandMacro(std::string_view Name);
    // The unit's file or the include file being read (a macro's text belongs to where it stood).
    const TSourceFile& ReadingFile() const;
    bool InIncludeFile() const { return FFiles.size() > 1 && &ReadingFile() != &FFiles.front(); }
    void EndOfData();

    void CheckStream() const {
        if (!Stream) [[unlikely]]
            StreamNotActive();
    }
    [[noreturn]] static void StreamNotActive();
    [[noreturn]] static void EndOfStream();
    void SkipBlanksUnchecked();
    bool SkipComment(char C);
    void SkipBraceComment();
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

    bool FModern = false;                     // Dialect, fixed for the parse
    int FClassDepth = 0;                      // class declarations being read (modern)
    std::vector<TSourceFile> FFiles;          // modern: the unit's file and the open include files
    std::map<std::string, std::string> FIncludeTexts;  // by path as found; tokens point into them
    int FIncludeCount = 0;
    std::map<std::string, TSymbolState, std::less<>> FDefines;  // what the source defined or undefined (modern)
    std::vector<TCondition> FConditions;      // {$IF...} blocks open (modern)
    const TTarget* FModeTarget = nullptr;     // chosen by {$MODE} when the defines name no target
    std::map<char, bool> FSwitches;           // {$R+}-style switches the source set
    bool FMacrosOn = false;
    bool FNestedComments = false;             // Free Pascal's modes FPC and ObjFPC nest { } comments
    bool FFreePascalTree = false;             // the unit lies in a Free Pascal or Lazarus source tree
    int FMacroCount = 0;                      // macros the source defined
    std::vector<std::unique_ptr<std::string>> FExpansions;  // macro texts read; tokens point into them
    // The modern reader's one name of lookahead: a name read and handed back is read again by
    // the next ReadName, without moving back in the text (an include file may have ended since).
    std::string_view FPendingName;
    int FNameLine = 0;                        // where the last name read ends
    std::string FNameFile;
};

// The most include directives one parse follows: a guard against files that include each other
// over and over without a cycle.
inline constexpr int MaxIncludes = 10000;
inline constexpr const char* IncludeNotFound = "Include file not found: ";
inline constexpr const char* IncludeCycle = "Include file includes itself: ";
inline constexpr const char* TooManyIncludes = "Too many include files: ";

// True when a parse of Text in the modern dialect, with include files looked for beside
// FileName on the file system, ends without an error. Callers of the default dialect use it to
// add ModernDialectHint to a parse error.
bool ModernDialectReads(const std::string& FileName, const std::string& Text);

}  // namespace qm
