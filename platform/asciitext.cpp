#include "asciitext.h"

namespace qm {

namespace {

char Up(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }

}  // namespace

std::string UpperCase(std::string Text) {
    for (char& c : Text) c = Up(c);
    return Text;
}

bool SameText(std::string_view A, std::string_view B) {
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (Up(A[i]) != Up(B[i])) return false;
    return true;
}

}  // namespace qm
