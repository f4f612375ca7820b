#include "format.h"

#include <algorithm>
#include <cstdio>

namespace qm {

std::string TFormatArg::Text() const {
    if (const auto* s = std::get_if<std::string>(&FValue)) return *s;
    return std::to_string(std::get<int64_t>(FValue));
}

namespace {

struct TConversion {
    std::string Flags;
    std::string Width;
    std::string Precision;  // with its "."
    char Conversion = 0;
    size_t Length = 0;  // of the whole placeholder, from its "%"
};

// The placeholder at Fmt[At] (a "%"); Conversion 0 when it is none.
TConversion ParseConversion(std::string_view Fmt, size_t At) {
    TConversion conv;
    size_t i = At + 1;
    while (i < Fmt.size() && std::string_view("-+ #0").find(Fmt[i]) != std::string_view::npos) conv.Flags += Fmt[i++];
    while (i < Fmt.size() && Fmt[i] >= '0' && Fmt[i] <= '9' && conv.Width.size() < 4) conv.Width += Fmt[i++];
    if (i < Fmt.size() && Fmt[i] == '.') {
        conv.Precision.push_back('.');
        ++i;
        while (i < Fmt.size() && Fmt[i] >= '0' && Fmt[i] <= '9' && conv.Precision.size() < 5) conv.Precision += Fmt[i++];
    }
    if (i < Fmt.size() && std::string_view("sdiuxXo").find(Fmt[i]) != std::string_view::npos) {
        conv.Conversion = Fmt[i];
        conv.Length = i + 1 - At;
    }
    return conv;
}

std::string Convert(const TConversion& Conv, const TFormatArg& Arg) {
    if (Arg.IsNumber() && Conv.Conversion != 's') {
        const bool isSigned = Conv.Conversion == 'd' || Conv.Conversion == 'i';
        std::string fmt(1, '%');
        fmt.append(Conv.Flags).append(Conv.Width).append(Conv.Precision).append("ll").push_back(Conv.Conversion);
        char buffer[64];
        const int n = isSigned ? std::snprintf(buffer, sizeof buffer, fmt.c_str(), static_cast<long long>(Arg.Number()))
                               : std::snprintf(buffer, sizeof buffer, fmt.c_str(),
                                               static_cast<unsigned long long>(Arg.Number()));
        return n < 0 ? Arg.Text() : std::string(buffer, std::min(size_t(n), sizeof buffer - 1));
    }
    std::string text = Arg.Text();
    if (Conv.Conversion == 's' && Conv.Precision.size() > 1) text.resize(std::min(text.size(), size_t(std::stoi(Conv.Precision.substr(1)))));
    const size_t width = Conv.Width.empty() ? 0 : size_t(std::stoi(Conv.Width));
    if (text.size() < width) {
        const std::string pad(width - text.size(), ' ');
        text = Conv.Flags.find('-') != std::string::npos ? text + pad : pad + text;
    }
    return text;
}

}  // namespace

std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args) {
    std::string out;
    out.reserve(Fmt.size() + 32);
    auto next = Args.begin();
    for (size_t i = 0; i < Fmt.size(); ++i) {
        char c = Fmt[i];
        if (c != '%' || i + 1 == Fmt.size()) {
            out += c;
            continue;
        }
        if (Fmt[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        const TConversion conv = ParseConversion(Fmt, i);
        if (conv.Conversion == 0 || next == Args.end()) {
            out += c;
            continue;
        }
        out += Convert(conv, *next++);
        i += conv.Length - 1;
    }
    return out;
}

std::string Shortened(std::string_view Text, size_t Limit) {
    size_t cut = 0;
    for (size_t characters = 0; cut < Text.size(); ++characters) {
        if (characters == Limit) return std::string(Text.substr(0, cut)) + "...";
        ++cut;
        while (cut < Text.size() && (uint8_t(Text[cut]) & 0xC0) == 0x80) ++cut;
    }
    return std::string(Text);
}

}  // namespace qm
