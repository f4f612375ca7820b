// Format: fills printf-like placeholders in order, as the program's message texts and the page
// number format are written.
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
    bool IsNumber() const { return std::holds_alternative<int64_t>(FValue); }
    int64_t Number() const { return IsNumber() ? std::get<int64_t>(FValue) : 0; }

private:
    std::variant<std::string, int64_t> FValue;
};

// A placeholder is "%", flags ("-", "+", " ", "#", "0"), a width, a precision (".N") and one of
// "s", "d", "i", "u", "x", "X", "o", as printf has them, and takes the next argument. An integer
// prints through the integer conversions with its flags, width and precision; a text prints as
// itself (padded to the width, cut to the precision for "s"), and so does an integer for "s".
// "%%" is one "%". A placeholder without an argument, or one printf would not know, is left as
// written, so a short list never loses text.
std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args);

// Text a person gave (a command, a setting's value, a search text) as a message quotes it: the
// first Limit characters and "..." when it is longer, so that a message box never has to lay out
// megabytes. A character of several UTF-8 bytes is not cut in two.
inline constexpr size_t QuotedTextLimit = 200;
std::string Shortened(std::string_view Text, size_t Limit = QuotedTextLimit);

}  // namespace qm
