// The runtime's integer conversion.
#include "converterror.h"
#include "settingsfixture.h"

namespace qm {

namespace {

TEST(ConfigStrToInt, DecimalIntegersWithin32Bits) {
    const std::pair<const char*, int> good[] = {{"72", 72},   {"0", 0},   {"  7", 7},
                                                {"+5", 5},    {"-12", -12}, {"007", 7},
                                                {"2147483647", 2147483647},
                                                {"-2147483648", -2147483647 - 1}};
    for (const auto& [text, value] : good) EXPECT_EQ(StrToInt(text), value) << text;

    for (const char* text : {"", " ", "abc", "12a", "7 ", "2147483648", "-2147483649", "0x10", "$10", "+", "-",
                             "+-5", "1.5", "\t7"}) {
        ExpectRaises<EConvertError>([&] { StrToInt(text); },
                                    "'" + std::string(text) + "' is not a valid integer value");
    }
}

}  // namespace

}  // namespace qm
