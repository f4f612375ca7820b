// Compiler directives that the modern dialect acts on: include files, conditional compilation,
// {$DEFINE} and {$UNDEF} with Free Pascal's macros, {$MODE} and single-letter switches. Every other
// directive stays a comment.
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

#include "asciitext.h"
#include "format.h"
#include "charclasses.h"
#include "paths.h"
#include "targets.h"
#include "unitparser.h"

namespace qm {

namespace {

// The directive's name after "{$", upper-cased: letters only, so "{$I+}" gives "I".
std::string DirectiveName(const char* P, const char* End) {
    std::string name;
    for (P += 2; P < End && ((*P >= 'A' && *P <= 'Z') || (*P >= 'a' && *P <= 'z')); ++P)
        name += scanner::UpperCaseOf[static_cast<unsigned char>(*P)];
    return name;
}

// The first word of a directive's argument: "{$IFDEF Name comment}" gives "Name".
std::string_view FirstWord(std::string_view Argument) {
    size_t from = 0;
    while (from < Argument.size() && static_cast<unsigned char>(Argument[from]) <= ' ') ++from;
    size_t to = from;
    while (to < Argument.size() && scanner::IsIdentCont(Argument[to])) ++to;
    return Argument.substr(from, to - from);
}

std::string_view Trimmed(std::string_view Text) {
    while (!Text.empty() && static_cast<unsigned char>(Text.front()) <= ' ') Text.remove_prefix(1);
    while (!Text.empty() && static_cast<unsigned char>(Text.back()) <= ' ') Text.remove_suffix(1);
    return Text;
}

// What follows the first word of Argument, without blanks around it.
std::string_view AfterFirstWord(std::string_view Argument) {
    const std::string_view word = FirstWord(Argument);
    return Trimmed(Argument.substr(size_t(word.data() + word.size() - Argument.data())));
}

// The text between the directive's name and its "}" (Close: none when the directive is not closed).
std::string_view DirectiveArgument(const char* AfterName, const char* Close) {
    return Close && AfterName < Close ? std::string_view(AfterName, size_t(Close - AfterName)) : std::string_view();
}

bool SaysOn(std::string_view Setting) {
    return Setting.empty() || Setting == "+" || UpperCase(std::string(Setting)) == "ON";
}

}  // namespace

bool ReadIncludeFile(const std::string& Path, std::string& FoundPath, std::string& Text) {
    std::string found = ResolvePath(Path);
    if (!FileExists(found, TPathMatch::Exact)) return false;
    Text = ReadSourceFile(found, TPathMatch::Exact);
    FoundPath = std::move(found);
    return true;
}

// At "{$": reads the directive as a comment and then acts on it.
void TUnitParser::ReadDirective() {
    const std::string name = DirectiveName(FPos, FEnd);
    const char* afterName = FPos + 2 + name.size();
    const char* close = static_cast<const char*>(std::memchr(FPos, '}', size_t(FEnd - FPos)));
    const char* start = FPos;
    ++FPos;
    ReadCharsUntil('}');  // the whole directive, as any brace comment
    // A macro's text may hold directives of its own: it ends at the brace that closes its "{".
    if (name == "DEFINE" && close && std::string_view(afterName, size_t(close - afterName)).find(":=") != std::string_view::npos) {
        for (int open = int(std::count(start + 1, FPos - 1, '{')); open > 0; --open) {
            const char* from = FPos;
            ReadCharsUntil('}');
            open += int(std::count(from, FPos - 1, '{'));
        }
        close = FPos - 1;
    }
    const std::string_view argument = DirectiveArgument(afterName, close);
    // "{$I+}" and "{$I-}" switch I/O checks; only a name after a blank is an include file.
    if ((name == "I" || name == "INCLUDE") && !argument.empty() && (argument[0] == ' ' || argument[0] == '\t')) {
        std::string_view file = Trimmed(argument);
        if (file.size() >= 2 && file.front() == '\'' && file.back() == '\'') file = file.substr(1, file.size() - 2);
        if (!file.empty() && file.front() != '%') OpenInclude(file);  // %DATE% and the like are texts
    } else if (name.size() == 1 && !argument.empty() && (argument[0] == '+' || argument[0] == '-')) {
        FSwitches[name[0]] = argument[0] == '+';
    } else if (name == "IFDEF" || name == "IFNDEF" || name == "IF" || name == "IFOPT") {
        const bool read = Condition(name, argument) != TTruth::False;
        FConditions.push_back({read});
        if (!read) SkipToBranch();
    } else if (name == "ELSE" || name == "ELSEIF") {
        // The branch before was read: the others of the block are not.
        if (!FConditions.empty()) SkipToBranch();
    } else if (name == "ENDIF" || name == "IFEND") {
        if (!FConditions.empty()) FConditions.pop_back();
    } else if (name == "DEFINE" || name == "UNDEF") {
        DefineSymbol(name == "DEFINE", argument);
    } else if (name == "MODE") {
        const std::string mode = UpperCase(std::string(FirstWord(argument)));
        FNestedComments = mode == "FPC" || mode == "OBJFPC";
        if (Defines && Defines->Target()) return;
        FModeTarget = &DefaultTarget(true);
        if (!mode.empty()) FDefines["FPC_" + mode] = TSymbolState{};
    } else if (name == "MODESWITCH") {
        if (UpperCase(std::string(FirstWord(argument))) == "NESTEDCOMMENTS") FNestedComments = SaysOn(AfterFirstWord(argument));
    } else if (name == "TYPEINFO") {
        FSwitches['M'] = SaysOn(Trimmed(argument));
    } else if (name == "MACRO") {
        FMacrosOn = Trimmed(argument) == "+" || UpperCase(std::string(FirstWord(argument))) == "ON";
    }
}

// {$DEFINE NAME}, {$DEFINE NAME:=TEXT} (a macro), {$UNDEF NAME}.
void TUnitParser::DefineSymbol(bool Define, std::string_view Argument) {
    const std::string_view symbol = FirstWord(Argument);
    if (symbol.empty()) return;
    TSymbolState state{Define, std::nullopt};
    const std::string_view rest = AfterFirstWord(Argument);
    if (Define && rest.substr(0, 2) == ":=") state.Macro = std::string(Trimmed(rest.substr(2)));
    FDefines.insert_or_assign(UpperCase(std::string(symbol)), std::move(state));
    FMacroCount = 0;
    for (const auto& [name, defined] : FDefines) FMacroCount += defined.Defined && defined.Macro.has_value();
}

bool TUnitParser::TypeInfoOn() const {
    const auto m = FSwitches.find('M');
    return m != FSwitches.end() && m->second;
}

const TTarget& TUnitParser::Target() const {
    if (Defines && Defines->Target()) return *Defines->Target();
    return FModeTarget ? *FModeTarget : DefaultTarget(FFreePascalTree);
}

const TSymbolState* TUnitParser::Symbol(std::string_view UpperName) const {
    const auto own = FDefines.find(UpperName);
    if (own != FDefines.end()) return &own->second;
    static const TDefineSet none;
    return (Defines ? *Defines : none).Find(UpperName, Target());
}

namespace {

// The switches whose state every target starts with; others are not known.
std::optional<bool> DefaultSwitch(char Letter) {
    switch (Letter) {
        case 'R': case 'Q': case 'B': case 'T': return false;
        case 'I': case 'X': case 'H': return true;
        default: return std::nullopt;
    }
}

class TParserScope : public TConditionScope {
public:
    TParserScope(std::function<const TSymbolState*(std::string_view)> Symbol, const TTarget& Target)
        : FSymbol(std::move(Symbol)), FTarget(Target) {}
    const TSymbolState* Symbol(std::string_view UpperName) const override { return FSymbol(UpperName); }
    std::optional<double> Constant(std::string_view UpperName) const override { return FTarget.Constant(UpperName); }
    int PointerSize() const override { return FTarget.PointerSize; }

private:
    std::function<const TSymbolState*(std::string_view)> FSymbol;
    const TTarget& FTarget;
};

}  // namespace

// Whether the branch after {$IFDEF}, {$IFNDEF}, {$IF}, {$ELSEIF} or {$IFOPT} Argument is read.
TTruth TUnitParser::Condition(const std::string& Name, std::string_view Argument) const {
    if (Name == "IFDEF" || Name == "IFNDEF") {
        const TSymbolState* symbol = Symbol(UpperCase(std::string(FirstWord(Argument))));
        return (symbol && symbol->Defined) == (Name == "IFDEF") ? TTruth::True : TTruth::False;
    }
    if (Name == "IFOPT") {
        const std::string_view option = Trimmed(Argument);
        if (option.size() != 2 || (option[1] != '+' && option[1] != '-')) return TTruth::Unknown;
        const char letter = scanner::UpperCaseOf[static_cast<unsigned char>(option[0])];
        const auto set = FSwitches.find(letter);
        const std::optional<bool> on = set != FSwitches.end() ? std::optional<bool>(set->second) : DefaultSwitch(letter);
        if (!on) return TTruth::Unknown;
        return *on == (option[1] == '+') ? TTruth::True : TTruth::False;
    }
    const TParserScope scope([this](std::string_view Upper) { return Symbol(Upper); }, Target());
    return EvaluateCondition(Argument, scope);
}

// After a branch that is not read: passes over text to the branch of the innermost {$IF...}
// block that is to be read ({$ELSEIF} whose condition holds or {$ELSE}, while none of the
// block's branches has been read) or past the block's {$ENDIF} or {$IFEND}. Nested blocks,
// comments and string literals are passed over whole. At the end of the bytes it stops; the
// caller's next read decides what follows.
void TUnitParser::SkipToBranch() {
    // Text never compiled is most of some units: the bytes that matter here are found by table.
    static constexpr auto stops = [] {
        std::array<bool, 256> t{};
        for (unsigned char c : {'{', '(', '/', '\'', '\r', '\n'}) t[c] = true;
        return t;
    }();
    int depth = 1;
    while (FPos < FEnd) {
        while (FPos < FEnd && !stops[static_cast<unsigned char>(*FPos)]) ++FPos;
        if (FPos >= FEnd) break;
        const char c = *FPos;
        const char next = FEnd - FPos > 1 ? FPos[1] : 0;
        if (c == '{') {
            if (next == '$') {
                const std::string name = DirectiveName(FPos, FEnd);
                const char* afterName = FPos + 2 + name.size();
                const char* close = static_cast<const char*>(std::memchr(FPos, '}', size_t(FEnd - FPos)));
                ++FPos;
                ReadCharsUntil('}');
                if (name == "ENDIF" || name == "IFEND") {
                    if (--depth > 0) continue;
                    FConditions.pop_back();
                    return;
                }
                if (name.compare(0, 2, "IF") == 0) {
                    ++depth;
                } else if (depth == 1 && !FConditions.back().Taken && (name == "ELSE" || name == "ELSEIF")) {
                    if (name == "ELSE" || Condition("IF", DirectiveArgument(afterName, close)) != TTruth::False) {
                        FConditions.back().Taken = true;
                        return;
                    }
                }
            } else {
                SkipBraceComment();
            }
        } else if (c == '(' && next == '*') {
            FPos += 2;
            do ReadCharsUntil('*');
            while (PeekChar() != ')');
            ++FPos;
        } else if (c == '/' && next == '/') {
            SkipLineComment();
        } else if (c == '\'') {  // a literal ends at its quote or, in text never compiled, its line
            ++FPos;
            while (FPos < FEnd && *FPos != '\'' && *FPos != '\r' && *FPos != '\n') ++FPos;
            if (FPos < FEnd && *FPos == '\'') ++FPos;
        } else if (c == '\r' || c == '\n') {  // as ReadChar reads a line end
            ++Line;
            if (++FPos >= FEnd) {
                EndOfData();
                return;
            }
            if (c == '\r' && *FPos == '\n') ++FPos;
        } else {
            ++FPos;
        }
    }
}

// At a name under {$MACRO ON}: when a macro of the source has that name, its text is read in its
// place (the line stays the name's) and true is returned.
bool TUnitParser::ExpandMacro(std::string_view Name) {
    const TSymbolState* symbol = Symbol(UpperCase(std::string(Name)));
    if (!symbol || !symbol->Defined || !symbol->Macro) return false;
    const std::string key = UpperCase(std::string(Name));
    for (const TSourceFile& open : FFiles)
        if (open.Macro && open.Key == key) return false;  // a macro naming itself stands for its name
    if (++FIncludeCount > MaxIncludes) SyntaxError(TooManyIncludes + std::string(Name));
    FExpansions.push_back(std::make_unique<std::string>(*symbol->Macro + ' '));
    const std::string& text = *FExpansions.back();
    FFiles.push_back({ReadingFile().Path, key, FPos, FEnd, Line, true});
    FPos = text.data();
    FEnd = FPos + text.size();
    return true;
}

const TUnitParser::TSourceFile& TUnitParser::ReadingFile() const {
    for (auto it = FFiles.rbegin(); it != FFiles.rend(); ++it)
        if (!it->Macro) return *it;
    return FFiles.front();
}

void TUnitParser::OpenInclude(std::string_view Name) {
    const std::string name(Name);
    if (++FIncludeCount > MaxIncludes) SyntaxError(TooManyIncludes + name);
    const std::string folder = FolderPart(ReadingFile().Path);
    std::string found, text;
    bool have = false;
    for (const char* extension : {"", ".inc", ".pp", ".pas"})
        if (IncludeReader && IncludeReader(folder + name + extension, found, text)) {
            have = true;
            break;
        }
    if (!have) {
        if (!FConditions.empty()) return;
        // Outside a class declaration a file the build makes or the distribution leaves out
        // (data, build settings) costs no class: the parse goes on, and OnWarning names it.
        if (FClassDepth > 0) SyntaxError(IncludeNotFound + name);
        Warning = IncludeNotFound + name + Format(" - Line %d", {Line}) +
                  (InIncludeFile() ? " of " + ReadingFile().Path : std::string()) + ", " + UnitName;
        OnWarning(*this);
        return;
    }
    std::string key = AbsolutePath(found);
    for (const TSourceFile& open : FFiles)
        if (!open.Macro && open.Key == key) {
            if (!FConditions.empty()) return;
            SyntaxError(IncludeCycle + name);
        }
    // A file included again is read from its first text: tokens read before may point into it.
    const std::string& bytes = FIncludeTexts.try_emplace(found, std::move(text)).first->second;
    FFiles.push_back({std::move(found), std::move(key), FPos, FEnd, Line});
    const std::string_view contents = WithoutByteOrderMark(bytes);
    FPos = contents.data();
    FEnd = FPos + contents.size();
    Line = 1;
}

// At the end of an include file's bytes: back to where the including file goes on. False when
// no include file is open.
bool TUnitParser::CloseInclude() {
    if (FFiles.size() < 2) return false;
    const TSourceFile& done = FFiles.back();
    FPos = done.ResumePos;
    FEnd = done.ResumeEnd;
    Line = done.ResumeLine;
    FFiles.pop_back();
    return true;
}

}  // namespace qm
