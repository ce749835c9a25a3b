#pragma once

#include "instances.h"

#include <QApplication>

namespace quillox::app {

// The application object: titled "Quillox", it runs the start-up, the message loop and the
// end of the run, and it is the one place where errors become error boxes.
class QuilloxApplication : public QApplication {
    Q_OBJECT

public:
    QuilloxApplication(int& argc, char** argv);

    // An error that escapes an event handler is reported here, never unwound through the
    // toolkit's event loop.
    bool notify(QObject* receiver, QEvent* event) override;

    void ReportError(const QString& message);
    // How errors are shown; the error box unless replaced (tests collect them instead).
    void SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

    // The whole run: start-up, the message loop until the main window closes or a
    // termination signal arrives, and the end of the run. Returns the exit status.
    int Run();

private:
    ErrorReporter reporter_;
};

} // namespace quillox::app
