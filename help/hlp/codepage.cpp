// One conversion routine per system. Opening an iconv converter costs far more than converting a
// title, so each thread keeps the converters it has opened, one per pair of character sets.
#include "codepage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#include <map>
#include <utility>
#endif

namespace qm {

namespace {

#ifdef _WIN32
bool ToWide(unsigned CodePage, std::string_view Text, std::wstring& Wide) {
    if (Text.empty()) return Wide.clear(), true;
    const int n = MultiByteToWideChar(CodePage, MB_ERR_INVALID_CHARS, Text.data(), int(Text.size()), nullptr, 0);
    if (n <= 0) return false;
    Wide.assign(size_t(n), L'\0');
    return MultiByteToWideChar(CodePage, MB_ERR_INVALID_CHARS, Text.data(), int(Text.size()), Wide.data(), n) == n;
}

bool FromWide(unsigned CodePage, const std::wstring& Wide, std::string& Out) {
    Out.clear();
    if (Wide.empty()) return true;
    BOOL lost = FALSE;
    BOOL* lostFlag = CodePage == CP_UTF8 ? nullptr : &lost;
    const int n = WideCharToMultiByte(CodePage, 0, Wide.data(), int(Wide.size()), nullptr, 0, nullptr, lostFlag);
    if (n <= 0) return false;
    Out.assign(size_t(n), '\0');
    WideCharToMultiByte(CodePage, 0, Wide.data(), int(Wide.size()), Out.data(), n, nullptr, lostFlag);
    return !lost;
}
#else
// The converter between the two, opened at its first use; iconv_t(-1) where the system has none.
iconv_t Converter(const std::string& To, const std::string& From) {
    struct TConverters {
        std::map<std::pair<std::string, std::string>, iconv_t> Open;
        ~TConverters() {
            for (auto& [names, cd] : Open)
                if (cd != iconv_t(-1)) iconv_close(cd);
        }
    };
    thread_local TConverters converters;
    auto [it, added] = converters.Open.emplace(std::make_pair(To, From), iconv_t(-1));
    if (added) it->second = iconv_open(To.c_str(), From.c_str());
    return it->second;
}

bool Convert(const std::string& To, const std::string& From, std::string_view Text, std::string& Out) {
    Out.clear();
    iconv_t cd = Converter(To, From);
    if (cd == iconv_t(-1)) return false;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // from the initial state
    std::string in(Text);
    char* inPtr = in.data();
    size_t inLeft = in.size();
    bool ok = true;
    char buffer[1024];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        Out.append(buffer, size_t(outPtr - buffer));
        if (r == size_t(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    return ok;
}

std::string IconvName(unsigned CodePage) {
    return CodePage == 10000 ? "MACINTOSH" : "CP" + std::to_string(CodePage);
}
#endif

}  // namespace

bool CodePageToUtf8(unsigned CodePage, std::string_view Text, std::string& Out) {
#ifdef _WIN32
    std::wstring wide;
    return ToWide(CodePage, Text, wide) && FromWide(CP_UTF8, wide, Out);
#else
    return Convert("UTF-8", IconvName(CodePage), Text, Out);
#endif
}

bool Utf8ToCodePage(unsigned CodePage, std::string_view Text, std::string& Out) {
#ifdef _WIN32
    std::wstring wide;
    return ToWide(CP_UTF8, Text, wide) && FromWide(CodePage, wide, Out);
#else
    return Convert(IconvName(CodePage), "UTF-8", Text, Out);
#endif
}

}  // namespace qm
