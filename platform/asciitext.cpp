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

int CompareText(std::string_view A, std::string_view B) {
    const size_t n = A.size() < B.size() ? A.size() : B.size();
    for (size_t i = 0; i < n; ++i) {
        const auto a = static_cast<unsigned char>(Up(A[i])), b = static_cast<unsigned char>(Up(B[i]));
        if (a != b) return a < b ? -1 : 1;
    }
    return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
}

bool StartsText(std::string_view Text, std::string_view Prefix) {
    return Text.size() >= Prefix.size() && SameText(Text.substr(0, Prefix.size()), Prefix);
}

}  // namespace qm
