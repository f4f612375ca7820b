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

bool IsUtf8Source(std::string_view Bytes) {
    if (Bytes.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) return true;
    const std::string head = UpperCase(std::string(Bytes.substr(0, 4096)));
    for (size_t at = head.find("{$CODEPAGE"); at != std::string::npos; at = head.find("{$CODEPAGE", at + 1)) {
        size_t i = at + 10;
        while (i < head.size() && (head[i] == ' ' || head[i] == '\t')) ++i;
        if (head.compare(i, 4, "UTF8") == 0 || head.compare(i, 5, "UTF-8") == 0) return true;
    }
    return false;
}

std::string_view WithoutByteOrderMark(std::string_view Bytes) {
    return Bytes.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark ? Bytes.substr(Utf8ByteOrderMark.size()) : Bytes;
}

}  // namespace qm
