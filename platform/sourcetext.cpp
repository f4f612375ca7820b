#include "sourcetext.h"

#include <QStringEncoder>
#include <cstdint>
#include <cstring>

#include "asciitext.h"
#include "windows1252.h"

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

// Qt's Latin-1 widening runs many bytes at a time; only the few bytes 0x80 to 0x9F, where
// Windows-1252 differs from Latin-1, are put right afterwards. A name of a page of thousands, or a
// unit of megabytes, is decoded without a decoder object and without a loop per character.
QString SourceText(std::string_view Bytes) {
    QString Text = QString::fromLatin1(Bytes.data(), static_cast<qsizetype>(Bytes.size()));
    const unsigned char* In = reinterpret_cast<const unsigned char*>(Bytes.data());
    const size_t Size = Bytes.size();
    char16_t* Out = nullptr;
    size_t i = 0;
    for (; i + 8 <= Size; i += 8) {
        uint64_t Word;
        std::memcpy(&Word, In + i, 8);
        if (!(Word & 0x8080808080808080u)) continue;  // eight ASCII bytes
        for (size_t j = i; j < i + 8; ++j)
            if (In[j] >= 0x80 && In[j] < 0xA0) {
                if (!Out) Out = reinterpret_cast<char16_t*>(Text.data());
                Out[j] = Windows1252Char(In[j]);
            }
    }
    for (; i < Size; ++i)
        if (In[i] >= 0x80 && In[i] < 0xA0) {
            if (!Out) Out = reinterpret_cast<char16_t*>(Text.data());
            Out[i] = Windows1252Char(In[i]);
        }
    return Text;
}

std::string_view LineFeedBytes(std::string_view Bytes, std::string& Store) {
    const char* At = Bytes.data();
    const char* End = At + Bytes.size();
    const char* Cr = static_cast<const char*>(std::memchr(At, '\r', Bytes.size()));
    if (!Cr) return Bytes;
    Store.clear();
    Store.reserve(Bytes.size());
    while (Cr) {
        Store.append(At, Cr);
        Store.push_back('\n');
        At = Cr + 1;
        if (At < End && *At == '\n') ++At;
        Cr = static_cast<const char*>(std::memchr(At, '\r', static_cast<size_t>(End - At)));
    }
    Store.append(At, End);
    return Store;
}

QString SourceTextWithLineFeeds(std::string_view Bytes) {
    if (IsUtf8Source(Bytes)) {
        const std::string_view text = WithoutByteOrderMark(Bytes);
        return WithLineFeeds(QString::fromUtf8(QByteArrayView(text.data(), qsizetype(text.size()))));
    }
    std::string Store;
    return SourceText(LineFeedBytes(Bytes, Store));
}

}  // namespace qm
