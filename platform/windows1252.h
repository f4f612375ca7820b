// Windows-1252, the character set of Pascal sources and help files of the time: the one table
// of its characters 0x80 to 0x9F, shared by the source view's decoder and the help reader.
#pragma once

namespace qm {

// The character of Windows-1252's byte C. The five bytes the set leaves undefined stand for
// themselves, as Qt's decoder has them; every other byte below 0x80 or from 0xA0 is Latin-1.
constexpr char16_t Windows1252Char(unsigned char C) {
    constexpr char16_t High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    return C >= 0x80 && C < 0xA0 ? High[C - 0x80] : char16_t(C);
}

}  // namespace qm
