// The records the command-line tool prints: fields separated by one TAB, one record a line.
// A field's control characters are escaped, so that no field can split its record.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// Appends the fields, TAB-separated, and a LF. In each field "\" becomes "\\", TAB "\t", LF
// "\n", CR "\r", and every other control byte (0 to 31, and 127) "\x" with two upper-case hex
// digits ("\x1B"). All other bytes, those above 127 included, are written as they are.
void AppendRecord(std::string& Text, std::initializer_list<std::string_view> Fields);
void AppendRecord(std::string& Text, const std::vector<std::string_view>& Fields);
std::string Record(std::initializer_list<std::string_view> Fields);

}  // namespace qm
