#include "converterror.h"

#include <charconv>

#include "format.h"

namespace qm {

int StrToInt(const std::string& Text) {
    const char* first = Text.data();
    const char* last = first + Text.size();
    while (first != last && *first == ' ') ++first;
    // from_chars takes "-" but not "+"; a "+" followed by another sign must still fail.
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-') ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        throw EConvertError(Format("'%s' is not a valid integer value", {Text}));
    return value;
}

}  // namespace qm
