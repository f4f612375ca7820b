#include "sourcetext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace qm {

QString SourceText(std::string_view Bytes) {
    const QByteArrayView bytes(Bytes.data(), qsizetype(Bytes.size()));
    QStringDecoder decoder("Windows-1252");
    return decoder.isValid() ? QString(decoder.decode(bytes)) : QString::fromLatin1(bytes);
}

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

}  // namespace qm
