#include "sourcetext.h"

#include <QStringEncoder>

#include "asciitext.h"

namespace qm {

std::string SourceBytes(const QString& Text) {
    QStringEncoder encoder("Windows-1252");
    const QByteArray bytes = encoder.isValid() ? QByteArray(encoder.encode(Text)) : Text.toLatin1();
    return bytes.toStdString();
}

QString WithLineFeeds(QString Text) {
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return Text;
}

namespace {

// Windows-1252's characters 0x80 to 0x9F; the five it leaves undefined stand for themselves,
// as Qt's decoder has them.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Windows1252(unsigned char C) { return C >= 0x80 && C < 0xA0 ? Windows1252High[C - 0x80] : char16_t(C); }

}  // namespace

// By the table, not by a decoder made for each of the thousands of names a page shows.
QString SourceText(std::string_view Bytes) {
    QString Text(static_cast<qsizetype>(Bytes.size()), Qt::Uninitialized);
    char16_t* Out = reinterpret_cast<char16_t*>(Text.data());
    for (const char C : Bytes) *Out++ = Windows1252(static_cast<unsigned char>(C));
    return Text;
}

QString SourceTextWithLineFeeds(std::string_view Bytes) {
    if (IsUtf8Source(Bytes)) {
        const std::string_view text = WithoutByteOrderMark(Bytes);
        return WithLineFeeds(QString::fromUtf8(QByteArrayView(text.data(), qsizetype(text.size()))));
    }
    QString Text(static_cast<qsizetype>(Bytes.size()), Qt::Uninitialized);
    char16_t* Out = reinterpret_cast<char16_t*>(Text.data());
    const size_t Size = Bytes.size();
    size_t N = 0;
    for (size_t i = 0; i < Size; ++i) {
        const unsigned char C = static_cast<unsigned char>(Bytes[i]);
        if (C == '\r') {
            Out[N++] = u'\n';
            if (i + 1 < Size && Bytes[i + 1] == '\n') ++i;
        } else {
            Out[N++] = Windows1252(C);
        }
    }
    Text.truncate(static_cast<qsizetype>(N));
    return Text;
}

}  // namespace qm
