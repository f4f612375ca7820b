#include "format.h"

namespace qm {

std::string TFormatArg::Text() const {
    if (const auto* s = std::get_if<std::string>(&FValue)) return *s;
    return std::to_string(std::get<int64_t>(FValue));
}

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
        char kind = Fmt[i + 1];
        if (kind == '%') {
            out += '%';
            ++i;
        } else if ((kind == 's' || kind == 'd') && next != Args.end()) {
            out += (next++)->Text();
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace qm
