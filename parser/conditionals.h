// Conditional compilation as the modern reading follows it: the symbols in force (a target's,
// the user's, the source's own), and the answer of an {$IF} or {$ELSEIF} expression.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

struct TTarget;

// One symbol's state: defined or undefined, and, for a Free Pascal macro ({$DEFINE NAME:=TEXT}
// under {$MACRO ON}), the text it stands for.
struct TSymbolState {
    bool Defined = true;
    std::optional<std::string> Macro;
};

// The symbols a unit is read with: its target's predefined ones under those defined or undefined
// here. Built once and shared read-only by every parse of a load; the source's own {$DEFINE}s go
// on top of it for one parse only. Names are compared without regard to letter case.
class TDefineSet {
public:
    // Target nullptr: chosen by each unit (DefaultTarget).
    explicit TDefineSet(const TTarget* Target = nullptr) : FTarget(Target) {}

    const TTarget* Target() const { return FTarget; }
    void Define(std::string_view Name, std::optional<std::string> Macro = std::nullopt);
    void Undefine(std::string_view Name);
    // The state these symbols give Name (upper case) on Target; nullptr when none names it.
    const TSymbolState* Find(std::string_view UpperName, const TTarget& Target) const;

private:
    const TTarget* FTarget;
    std::map<std::string, TSymbolState, std::less<>> FSymbols;
};

enum class TTruth { False, True, Unknown };

// What an expression may ask of the place it stands in.
class TConditionScope {
public:
    virtual ~TConditionScope() = default;
    // The symbol's state; nullptr when nothing defines or undefines it (then it is not defined).
    virtual const TSymbolState* Symbol(std::string_view UpperName) const = 0;
    // CompilerVersion, RTLVersion, FPC_FULLVERSION ...; none when the target has no such constant.
    virtual std::optional<double> Constant(std::string_view UpperName) const = 0;
    virtual int PointerSize() const = 0;
};

// The answer of an {$IF} expression: DEFINED(X), DECLARED(X) (false: no declarations are known
// here), SIZEOF(POINTER) and its kin, numbers, quoted texts, TRUE and FALSE, the version
// constants, the comparisons, + - * / DIV MOD, NOT AND OR XOR and parentheses. Unknown where it
// depends on something the reading does not know (a constant of the source, an unknown function)
// or does not parse; AND with a false side and OR with a true side are known all the same.
TTruth EvaluateCondition(std::string_view Expression, const TConditionScope& Scope);

}  // namespace qm
