// The one way errors reach the user.
#include "application.h"

#include <cstdio>

#include "errors.h"
#include "loadreport.h"
#include "sourcetext.h"

namespace qm {
namespace {

TErrorReport& Report() {
    static TErrorReport Installed;
    return Installed;
}

// True while the report shows an error: its box runs an event loop of its own, in which idle work
// and timers may fail again; those errors must not open a box over the box.
bool Reporting = false;

}  // namespace

QString ErrorReportText(const std::exception& E) {
    const auto* Error = dynamic_cast<const Exception*>(&E);
    const std::string Message = Error ? Error->Message() : std::string(E.what());
    QString Text;
    if (Message.find("Internal Error") == std::string::npos) {
        Text = SourceText(Message) + QLatin1Char('.');
    } else {
        const int N = Error ? Error->HelpContext() : 0;
        Text = (N >= 1 && N <= 9 ? QStringLiteral("Internal error #%1 during database reference")
                                 : QStringLiteral("Internal error #%1 during unit parsing"))
                   .arg(N);
        // Lines after the first are advice for the user (where to turn modern Object Pascal on, as
        // the window says it).
        if (const size_t Break = Message.find('\r'); Break != std::string::npos)
            Text += QLatin1Char('\r') + SourceText(Message.substr(Break + 1));
    }
    return WithLineFeeds(WindowAdvice(Text));
}

void SetErrorReport(TErrorReport NewReport) {
    Report() = std::move(NewReport);
}

bool ErrorReportOpen() {
    return Reporting;
}

void ReportError(const std::exception& E) noexcept {
    if (dynamic_cast<const EAbort*>(&E)) return;
    if (Report() && !Reporting) {
        Reporting = true;
        try {
            Report()(E);
            Reporting = false;
            return;
        } catch (...) {
        }
        Reporting = false;
    }
    std::fprintf(stderr, "%s\n", E.what());
}

void RunReported(const std::function<void()>& Command) noexcept {
    try {
        Command();
    } catch (const std::exception& E) {
        ReportError(E);
    } catch (...) {
        ReportError(Exception("Unknown error"));
    }
}

TQuillmapApplication::TQuillmapApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

bool TQuillmapApplication::notify(QObject* Receiver, QEvent* Event) {
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::exception& E) {
        ReportError(E);
    } catch (...) {
        ReportError(Exception("Unknown error"));
    }
    return false;
}

}  // namespace qm
