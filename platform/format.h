// Format: fills "%s" and "%d" placeholders in order, as the program's message texts are written.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace qm {

// One argument of Format: a text or an integer.
class TFormatArg {
public:
    TFormatArg(std::string_view Text) : FValue(std::string(Text)) {}
    TFormatArg(const std::string& Text) : FValue(Text) {}
    TFormatArg(const char* Text) : FValue(std::string(Text)) {}
    TFormatArg(int64_t Number) : FValue(Number) {}
    TFormatArg(int Number) : FValue(int64_t{Number}) {}

    std::string Text() const;

private:
    std::variant<std::string, int64_t> FValue;
};

// "%s" and "%d" take the next argument (either kind prints as itself); "%%" is one "%".
// A placeholder without an argument is left as written, so a short list never loses text.
std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args);

}  // namespace qm
