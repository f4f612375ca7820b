// The application object: every exception that leaves an event handler is caught here and handed
// to the error report instead of escaping into Qt's event loop.
#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

namespace qm {

// The text the error report shows for E: "Internal error #%d during database reference" (numbers
// 1 to 9) or "... during unit parsing" for messages that say "Internal Error", otherwise the
// message with a period appended; a CR in it becomes a line break.
QString ErrorReportText(const std::exception& E);

// The error report in use; the main window installs its AppException.
using TErrorReport = std::function<void(const std::exception&)>;
void SetErrorReport(TErrorReport Report);
// Hands E to the error report (a silent abort is dropped); never throws. An error raised while the
// report shows another one goes to stderr only: there is never a second box over the first.
void ReportError(const std::exception& E) noexcept;
// True while the error report shows an error.
bool ErrorReportOpen();
// Runs Command; whatever it raises goes to ReportError.
void RunReported(const std::function<void()>& Command) noexcept;

class TQuillmapApplication : public QApplication {
public:
    TQuillmapApplication(int& Argc, char** Argv);
    bool notify(QObject* Receiver, QEvent* Event) override;
};

}  // namespace qm
