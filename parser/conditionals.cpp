// The {$IF} evaluator: a recursive descent over the expression's words, with values that may be
// unknown; the target's symbols under the set's own.
#include "conditionals.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <variant>

#include "asciitext.h"
#include "charclasses.h"
#include "targets.h"

namespace qm {

void TDefineSet::Define(std::string_view Name, std::optional<std::string> Macro) {
    FSymbols[UpperCase(std::string(Name))] = TSymbolState{true, std::move(Macro)};
}

void TDefineSet::Undefine(std::string_view Name) { FSymbols[UpperCase(std::string(Name))] = TSymbolState{false, {}}; }

const TSymbolState* TDefineSet::Find(std::string_view UpperName, const TTarget& Target) const {
    static const TSymbolState predefined;
    const auto it = FSymbols.find(UpperName);
    if (it != FSymbols.end()) return &it->second;
    return Target.Predefines(UpperName) ? &predefined : nullptr;
}

namespace {

struct TUnknown {};
using TValue = std::variant<TUnknown, bool, double, std::string>;

class TEvaluator {
public:
    TEvaluator(std::string_view Text, const TConditionScope& Scope) : FText(Text), FScope(Scope) { Next(); }

    TTruth Result() {
        const TValue value = Expression();
        if (!FWord.empty() || FFailed) return TTruth::Unknown;
        if (const bool* b = std::get_if<bool>(&value)) return *b ? TTruth::True : TTruth::False;
        if (const double* n = std::get_if<double>(&value)) return *n != 0 ? TTruth::True : TTruth::False;
        return TTruth::Unknown;
    }

private:
    // The next word: a name (upper case), a number, a quoted text, or an operator of one or two
    // characters. Empty at the end.
    void Next() {
        size_t i = FAt;
        while (i < FText.size() && static_cast<unsigned char>(FText[i]) <= ' ') ++i;
        FAt = i;
        FIsText = false;
        if (i >= FText.size()) {
            FWord.clear();
            return;
        }
        const char c = FText[i];
        if (scanner::IsIdentStart(c)) {
            while (i < FText.size() && scanner::IsIdentCont(FText[i])) ++i;
        } else if ((c >= '0' && c <= '9') || c == '$') {
            ++i;
            while (i < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[i])) || FText[i] == '.')) ++i;
        } else if (c == '\'') {
            FIsText = true;
            ++i;
            while (i < FText.size() && FText[i] != '\'') ++i;
            FWord = std::string(FText.substr(FAt + 1, i - FAt - 1));
            FAt = i < FText.size() ? i + 1 : i;
            return;
        } else {
            ++i;
            const std::string_view two = FText.substr(FAt, 2);
            if (two == "<>" || two == "<=" || two == ">=") ++i;
        }
        FWord = UpperCase(std::string(FText.substr(FAt, i - FAt)));
        FAt = i;
    }

    bool Take(std::string_view Word) {
        if (FIsText || FWord != Word) return false;
        Next();
        return true;
    }

    TValue Expression() {
        TValue left = Relation();
        for (;;) {
            if (Take("=")) left = Compare(left, Relation(), [](int C) { return C == 0; });
            else if (Take("<>")) left = Compare(left, Relation(), [](int C) { return C != 0; });
            else if (Take("<")) left = Compare(left, Relation(), [](int C) { return C < 0; });
            else if (Take(">")) left = Compare(left, Relation(), [](int C) { return C > 0; });
            else if (Take("<=")) left = Compare(left, Relation(), [](int C) { return C <= 0; });
            else if (Take(">=")) left = Compare(left, Relation(), [](int C) { return C >= 0; });
            else return left;
        }
    }

    // Pascal binds AND like *, OR and XOR like +, and comparisons loosest of all.
    TValue Relation() {
        TValue left = Term();
        for (;;) {
            if (Take("OR")) left = Logic(left, Term(), false);
            else if (Take("XOR")) left = Xor(left, Term());
            else if (Take("+")) left = Arithmetic(left, Term(), '+');
            else if (Take("-")) left = Arithmetic(left, Term(), '-');
            else return left;
        }
    }

    TValue Term() {
        TValue left = Factor();
        for (;;) {
            if (Take("AND")) left = Logic(left, Factor(), true);
            else if (Take("*")) left = Arithmetic(left, Factor(), '*');
            else if (Take("/")) left = Arithmetic(left, Factor(), '/');
            else if (Take("DIV")) left = Arithmetic(left, Factor(), 'd');
            else if (Take("MOD")) left = Arithmetic(left, Factor(), 'm');
            else return left;
        }
    }

    TValue Factor() {
        if (FWord.empty()) return Fail();
        if (FIsText) {
            std::string text = FWord;
            Next();
            return text;
        }
        if (Take("NOT")) {
            const TValue value = Factor();
            if (const bool* b = std::get_if<bool>(&value)) return !*b;
            return TUnknown{};
        }
        if (Take("-")) return Arithmetic(0.0, Factor(), '-');
        if (Take("+")) return Factor();
        if (Take("(")) {
            TValue value = Expression();
            if (!Take(")")) return Fail();
            return value;
        }
        const char c = FWord[0];
        if ((c >= '0' && c <= '9') || c == '$') {
            const std::string word = FWord;
            Next();
            char* end = nullptr;
            const double number = c == '$' ? double(std::strtoull(word.c_str() + 1, &end, 16)) : std::strtod(word.c_str(), &end);
            if (*end) return Fail();
            return number;
        }
        if (!scanner::IsIdentStart(c)) return Fail();
        const std::string name = FWord;
        Next();
        if (name == "DEFINED" || name == "DECLARED" || name == "SIZEOF" || name == "HIGH" || name == "LOW" || name == "ORD") {
            if (!Take("(")) return Fail();
            const std::string argument = FWord;
            Next();
            if (!Take(")")) return Fail();
            if (name == "DEFINED") {
                const TSymbolState* symbol = FScope.Symbol(argument);
                return symbol && symbol->Defined;
            }
            if (name == "DECLARED") return false;
            if (name == "SIZEOF" && (argument == "POINTER" || argument == "NATIVEINT" || argument == "NATIVEUINT" ||
                                     argument == "PTRINT" || argument == "PTRUINT" || argument == "SIZEINT" || argument == "SIZEUINT"))
                return double(FScope.PointerSize());
            return TUnknown{};
        }
        if (name == "TRUE") return true;
        if (name == "FALSE") return false;
        if (const auto constant = FScope.Constant(name)) return *constant;
        // A Free Pascal macro that stands for a number.
        if (const TSymbolState* symbol = FScope.Symbol(name); symbol && symbol->Defined && symbol->Macro) {
            char* end = nullptr;
            const double number = std::strtod(symbol->Macro->c_str(), &end);
            if (!symbol->Macro->empty() && !*end) return number;
        }
        if (Take("(")) SkipArguments();
        return TUnknown{};
    }

    void SkipArguments() {
        for (int depth = 1; depth > 0 && !FWord.empty(); Next()) {
            if (!FIsText && FWord == "(") ++depth;
            else if (!FIsText && FWord == ")") --depth;
        }
    }

    TValue Fail() {
        FFailed = true;
        return TUnknown{};
    }

    template <typename TTest>
    static TValue Compare(const TValue& A, const TValue& B, TTest Test) {
        if (const double* a = std::get_if<double>(&A))
            if (const double* b = std::get_if<double>(&B)) return Test(*a < *b ? -1 : *a > *b ? 1 : 0);
        if (const std::string* a = std::get_if<std::string>(&A))
            if (const std::string* b = std::get_if<std::string>(&B)) return Test(a->compare(*b));
        if (const bool* a = std::get_if<bool>(&A))
            if (const bool* b = std::get_if<bool>(&B)) return Test(int(*a) - int(*b));
        return TUnknown{};
    }

    // AND with a false side is false and OR with a true side is true, whatever the other side is.
    static TValue Logic(const TValue& A, const TValue& B, bool And) {
        const bool* a = std::get_if<bool>(&A);
        const bool* b = std::get_if<bool>(&B);
        if ((a && *a != And) || (b && *b != And)) return !And;
        if (a && b) return And;
        return TUnknown{};
    }

    static TValue Xor(const TValue& A, const TValue& B) {
        const bool* a = std::get_if<bool>(&A);
        const bool* b = std::get_if<bool>(&B);
        if (a && b) return *a != *b;
        return TUnknown{};
    }

    static TValue Arithmetic(const TValue& A, const TValue& B, char Op) {
        const double* a = std::get_if<double>(&A);
        const double* b = std::get_if<double>(&B);
        if (!a || !b) return TUnknown{};
        switch (Op) {
            case '+': return *a + *b;
            case '-': return *a - *b;
            case '*': return *a * *b;
            case '/': return *b == 0 ? TValue(TUnknown{}) : TValue(*a / *b);
            case 'd': return *b == 0 ? TValue(TUnknown{}) : TValue(std::trunc(*a / *b));
            default: return *b == 0 ? TValue(TUnknown{}) : TValue(std::fmod(*a, *b));
        }
    }

    std::string_view FText;
    const TConditionScope& FScope;
    size_t FAt = 0;
    std::string FWord;
    bool FIsText = false;
    bool FFailed = false;
};

}  // namespace

TTruth EvaluateCondition(std::string_view Expression, const TConditionScope& Scope) {
    return TEvaluator(Expression, Scope).Result();
}

}  // namespace qm
