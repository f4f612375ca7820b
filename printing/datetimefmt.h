// The date pattern of headers and footers: "mm" month, "dd" day, "yy" year, each two digits,
// "/" the system's date separator; every other character prints as it stands.
#pragma once

#include <string>
#include <string_view>

namespace qm {

struct TDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};

std::string FormatDateTime(std::string_view Fmt, const TDate& Date, char DateSeparator);
// Today in the local time zone, with the system's date separator.
std::string FormatDateTime(std::string_view Fmt);
// The separator of the system's short date format; "/" when it has none.
char SystemDateSeparator();

}  // namespace qm
