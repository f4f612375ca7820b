// Compiler directives that the modern dialect acts on: include files, {$DEFINE} and {$UNDEF}, and
// inside a class declaration the branches after {$ELSE} and those a known symbol rules out.
// Every other directive stays a comment.
#include <cstring>

#include "asciitext.h"
#include "format.h"
#include "charclasses.h"
#include "paths.h"
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
std::string_view FirstWord(const char* From, const char* End) {
    while (From < End && static_cast<unsigned char>(*From) <= ' ') ++From;
    const char* to = From;
    while (to < End && scanner::IsIdentCont(*to)) ++to;
    return {From, size_t(to - From)};
}

std::string_view Trimmed(std::string_view Text) {
    while (!Text.empty() && static_cast<unsigned char>(Text.front()) <= ' ') Text.remove_prefix(1);
    while (!Text.empty() && static_cast<unsigned char>(Text.back()) <= ' ') Text.remove_suffix(1);
    return Text;
}

}  // namespace

bool ReadIncludeFile(const std::string& Path, std::string& FoundPath, std::string& Text) {
    if (!FileExists(Path)) return false;
    FoundPath = ResolvePath(Path);
    Text = ReadSourceFile(FoundPath, TPathMatch::Exact);
    return true;
}

// At "{$": reads the directive as a comment and then acts on it.
void TUnitParser::ReadDirective() {
    const std::string name = DirectiveName(FPos, FEnd);
    const char* afterName = FPos + 2 + name.size();
    const char* close = static_cast<const char*>(std::memchr(FPos, '}', size_t(FEnd - FPos)));
    ++FPos;
    ReadCharsUntil('}');  // the whole directive, as any brace comment
    // "{$I+}" and "{$I-}" switch I/O checks; only a name after a blank is an include file.
    if ((name == "I" || name == "INCLUDE") && close && afterName < close && (*afterName == ' ' || *afterName == '\t')) {
        std::string_view file = Trimmed(std::string_view(afterName, size_t(close - afterName)));
        if (file.size() >= 2 && file.front() == '\'' && file.back() == '\'') file = file.substr(1, file.size() - 2);
        if (!file.empty() && file.front() != '%') OpenInclude(file);  // %DATE% and the like are texts
    } else if (name == "ENDIF" || name == "IFEND") {
        if (FConditionDepth > 0) --FConditionDepth;
    } else if (name.compare(0, 2, "IF") == 0) {
        ++FConditionDepth;
        // A symbol the source itself defined or undefined is known: inside a class a branch it
        // rules out is passed over.
        if (FClassDepth > 0 && (name == "IFDEF" || name == "IFNDEF") && close) {
            auto known = FDefines.find(UpperCase(std::string(FirstWord(afterName, close))));
            if (known != FDefines.end() && known->second != (name == "IFDEF")) SkipBranch(true);
        }
    } else if (FClassDepth > 0 && (name == "ELSE" || name == "ELSEIF")) {
        SkipBranch(false);
    } else if ((name == "DEFINE" || name == "UNDEF") && close) {
        const std::string_view symbol = FirstWord(afterName, close);
        if (!symbol.empty()) FDefines[UpperCase(std::string(symbol))] = name == "DEFINE";
    }
}

void TUnitParser::OpenInclude(std::string_view Name) {
    const std::string name(Name);
    if (++FIncludeCount > MaxIncludes) SyntaxError(TooManyIncludes + name);
    const std::string folder = FolderPart(FFiles.back().Path);
    std::string found, text;
    bool have = false;
    for (const char* extension : {"", ".inc", ".pp", ".pas"})
        if (IncludeReader && IncludeReader(folder + name + extension, found, text)) {
            have = true;
            break;
        }
    if (!have) {
        if (FConditionDepth > 0) return;
        // Outside a class declaration a file the build makes or the distribution leaves out
        // (data, build settings) costs no class: the parse goes on, and OnWarning names it.
        if (FClassDepth > 0) SyntaxError(IncludeNotFound + name);
        Warning = IncludeNotFound + name + Format(" - Line %d", {Line}) +
                  (FFiles.size() > 1 ? " of " + FFiles.back().Path : std::string()) + ", " + UnitName;
        OnWarning(*this);
        return;
    }
    std::string key = AbsolutePath(found);
    for (const TSourceFile& open : FFiles)
        if (open.Key == key) {
            if (FConditionDepth > 0) return;
            SyntaxError(IncludeCycle + name);
        }
    // A file included again is read from its first text: tokens read before may point into it.
    const std::string& bytes = FIncludeTexts.try_emplace(found, std::move(text)).first->second;
    FFiles.push_back({std::move(found), std::move(key), FPos, FEnd, Line});
    FPos = bytes.data();
    FEnd = FPos + bytes.size();
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

// After {$ELSE} or {$ELSEIF} inside a class declaration: skips to the matching {$ENDIF} (or
// {$IFEND}), over nested conditionals, comments and string literals, so that only the first
// branch is read. With ToElse, after an {$IFDEF} whose symbol rules its branch out: skips to the
// matching {$ELSE} (whose branch is then read) or {$ENDIF}. At the end of the bytes it stops; the
// caller's next read decides what follows.
void TUnitParser::SkipBranch(bool ToElse) {
    int depth = 1;
    while (FPos < FEnd) {
        const char c = *FPos;
        const char next = FEnd - FPos > 1 ? FPos[1] : 0;
        if (c == '{') {
            if (next == '$') {
                const std::string name = DirectiveName(FPos, FEnd);
                const bool closes = name == "ENDIF" || name == "IFEND";
                if (ToElse && depth == 1 && name == "ELSE") {
                    ++FPos;
                    ReadCharsUntil('}');
                    return;
                }
                if (closes) --depth;
                else if (name.compare(0, 2, "IF") == 0) ++depth;
                ++FPos;
                ReadCharsUntil('}');
                if (closes && depth == 0) {
                    if (FConditionDepth > 0) --FConditionDepth;  // the block the {$ELSE} was in
                    return;
                }
            } else {
                ++FPos;
                ReadCharsUntil('}');
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
        } else if (c == '\r' || c == '\n') {
            ReadChar();
        } else {
            ++FPos;
        }
    }
}

}  // namespace qm
