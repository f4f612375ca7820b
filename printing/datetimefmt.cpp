// Date patterns for headers and footers; the system's separator comes from the locale.
#include "datetimefmt.h"

#include <QDate>
#include <QLocale>

namespace qm {

namespace {

void AppendTwoDigits(std::string& Out, int Value) {
    Value %= 100;
    if (Value < 0) Value = -Value;
    Out += char('0' + Value / 10);
    Out += char('0' + Value % 10);
}

}  // namespace

std::string FormatDateTime(std::string_view Fmt, const TDate& Date, char DateSeparator) {
    std::string out;
    for (size_t i = 0; i < Fmt.size(); ++i) {
        std::string_view pair = Fmt.substr(i, 2);
        if (pair == "mm" || pair == "dd" || pair == "yy") {
            AppendTwoDigits(out, pair == "mm" ? Date.Month : pair == "dd" ? Date.Day : Date.Year);
            ++i;
        } else {
            out += Fmt[i] == '/' ? DateSeparator : Fmt[i];
        }
    }
    return out;
}

std::string FormatDateTime(std::string_view Fmt) {
    QDate today = QDate::currentDate();
    return FormatDateTime(Fmt, {today.year(), today.month(), today.day()}, SystemDateSeparator());
}

// Qt gives no separator of its own: take the first mark between the fields of the short date
// format. Formats that part fields by blanks or names only ("d MMM yyyy") keep "/".
char SystemDateSeparator() {
    const QString fmt = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (QChar c : fmt) {
        if (c.isLetter() || c.isSpace() || c == u'\'') continue;
        char latin = c.toLatin1();
        return latin > ' ' && latin < 127 ? latin : '/';
    }
    return '/';
}

}  // namespace qm
