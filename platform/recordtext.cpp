#include "recordtext.h"

namespace qm {

namespace {

void AppendField(std::string& Text, std::string_view Field) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (char c : Field) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte != 127 && c != '\\') {
            Text += c;
            continue;
        }
        Text += '\\';
        switch (c) {
            case '\\': Text += '\\'; break;
            case '\t': Text += 't'; break;
            case '\n': Text += 'n'; break;
            case '\r': Text += 'r'; break;
            default:
                Text += 'x';
                Text += Hex[byte >> 4];
                Text += Hex[byte & 15];
        }
    }
}

}  // namespace

namespace {

template <class TFields>
void AppendFields(std::string& Text, const TFields& Fields) {
    bool first = true;
    for (std::string_view field : Fields) {
        if (!first) Text += '\t';
        AppendField(Text, field);
        first = false;
    }
    Text += '\n';
}

}  // namespace

void AppendRecord(std::string& Text, std::initializer_list<std::string_view> Fields) { AppendFields(Text, Fields); }
void AppendRecord(std::string& Text, const std::vector<std::string_view>& Fields) { AppendFields(Text, Fields); }

std::string Record(std::initializer_list<std::string_view> Fields) {
    std::string text;
    AppendRecord(text, Fields);
    return text;
}

}  // namespace qm
