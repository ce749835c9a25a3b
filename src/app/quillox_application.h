#pragma once

#include <QApplication>
#include <QByteArrayList>
#include <QImage>
#include <functional>
#include <future>

namespace quillox::app {

// The application object: titled "Quillox", it runs the start-up, the message loop and the
// end of the run, and it is the one place where errors become error boxes.
class QuilloxApplication : public QApplication {
    Q_OBJECT

public:
    using ErrorReporter = std::function<void(const QString& message)>;

    QuilloxApplication(int& argc, char** argv);

    // An error that escapes an event handler goes through the handler guard to the error box,
    // never unwinding through the toolkit's event loop.
    bool notify(QObject* receiver, QEvent* event) override;
    // The title bar's help button asks for the toolkit's what's-this mode; it shows the About
    // box instead.
    bool event(QEvent* event) override;

    // Shows the error box; every error of the run ends here.
    void ReportError(const QString& message);
    // How errors are shown; the error box unless replaced (tests collect them instead).
    void SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

    // The whole run: start-up, the message loop until the main window closes or a
    // termination signal arrives, and the end of the run. Returns the exit status. Files
    // named on the command line are taken as a drop on the main window's drop picture is:
    // the first one is filed, here or, when a copy already runs, there; a second copy that
    // cannot hand its request over says why and returns 1. An option the program does not know
    // ends the run at once, with the usage on standard error and status 2.
    int Run();

private:
    // Gives the windows the application's icon, once it is decoded.
    void useWindowIcon();

    ErrorReporter reporter_;
    std::future<QImage> windowIcon_;
    // The command line as the system gave it, without the toolkit's own options.
    QByteArrayList arguments_;
};

} // namespace quillox::app
