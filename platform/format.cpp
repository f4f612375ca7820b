#include "format.h"

#include <algorithm>
#include <cstdio>

namespace qm {

std::string TFormatArg::Text() const {
    if (const auto* s = std::get_if<std::string>(&FValue)) return *s;
    return std::to_string(std::get<int64_t>(FValue));
}

namespace {

struct TSpec {
    std::string Flags;
    std::string Width;
    std::string Precision;  // with its "."
    char Conversion = 0;
    size_t Length = 0;  // of the whole placeholder, from its "%"
};

// The placeholder at Fmt[At] (a "%"); Conversion 0 when it is none.
TSpec ParseSpec(std::string_view Fmt, size_t At) {
    TSpec spec;
    size_t i = At + 1;
    while (i < Fmt.size() && std::string_view("-+ #0").find(Fmt[i]) != std::string_view::npos) spec.Flags += Fmt[i++];
    while (i < Fmt.size() && Fmt[i] >= '0' && Fmt[i] <= '9' && spec.Width.size() < 4) spec.Width += Fmt[i++];
    if (i < Fmt.size() && Fmt[i] == '.') {
        spec.Precision.push_back('.');
        ++i;
        while (i < Fmt.size() && Fmt[i] >= '0' && Fmt[i] <= '9' && spec.Precision.size() < 5) spec.Precision += Fmt[i++];
    }
    if (i < Fmt.size() && std::string_view("sdiuxXo").find(Fmt[i]) != std::string_view::npos) {
        spec.Conversion = Fmt[i];
        spec.Length = i + 1 - At;
    }
    return spec;
}

std::string Convert(const TSpec& Spec, const TFormatArg& Arg) {
    if (Arg.IsNumber() && Spec.Conversion != 's') {
        const bool isSigned = Spec.Conversion == 'd' || Spec.Conversion == 'i';
        std::string fmt(1, '%');
        fmt.append(Spec.Flags).append(Spec.Width).append(Spec.Precision).append("ll").push_back(Spec.Conversion);
        char buffer[64];
        const int n = isSigned ? std::snprintf(buffer, sizeof buffer, fmt.c_str(), static_cast<long long>(Arg.Number()))
                               : std::snprintf(buffer, sizeof buffer, fmt.c_str(),
                                               static_cast<unsigned long long>(Arg.Number()));
        return n < 0 ? Arg.Text() : std::string(buffer, std::min(size_t(n), sizeof buffer - 1));
    }
    std::string text = Arg.Text();
    if (Spec.Conversion == 's' && Spec.Precision.size() > 1) text.resize(std::min(text.size(), size_t(std::stoi(Spec.Precision.substr(1)))));
    const size_t width = Spec.Width.empty() ? 0 : size_t(std::stoi(Spec.Width));
    if (text.size() < width) {
        const std::string pad(width - text.size(), ' ');
        text = Spec.Flags.find('-') != std::string::npos ? text + pad : pad + text;
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
        const TSpec spec = ParseSpec(Fmt, i);
        if (spec.Conversion == 0 || next == Args.end()) {
            out += c;
            continue;
        }
        out += Convert(spec, *next++);
        i += spec.Length - 1;
    }
    return out;
}

}  // namespace qm
