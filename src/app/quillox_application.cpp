#include "app/quillox_application.h"

#include "app/after_first_paint.h"
#include "app/command_line.h"
#include "app/error_box.h"
#include "app/instances.h"
#include "app/single_instance.h"
#include "app/tf_main.h"
#include "app/window_flow.h"
#include "platform/file_name_text.h"
#include "platform/handler_guard.h"
#include "platform/termination_signals.h"
#include "platform/user_error.h"
#include "store/leftover_copies.h"
#include "store/misc_ops.h"
#include "store/tdm_data.h"
#include "widgets/artwork.h"
#include "widgets/message_box.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <QUrl>
#include <cstdio>
#include <memory>
#include <optional>

namespace quillox::app {
namespace {

// The first file named on the command line, as an absolute path; a file URL counts too. A
// name that is not text is refused, as it is from a drop.
QString fileToFile(const QByteArrayList& files) {
    if (files.isEmpty())
        return {};
    const QString argument = platform::pathAsText(files.front());
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? platform::localPathAsText(url) : argument;
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

QuilloxApplication::QuilloxApplication(int& argc, char** argv)
    : QApplication(argc, argv), reporter_(showErrorBox) {
    for (int index = 0; index < argc; ++index)
        arguments_ << argv[index];
    setApplicationName("Quillox");
    // The windows are designed in Tahoma; Wine's free Tahoma lies where fontconfig does not
    // look. Without it the toolkit takes its closest font. Adding it reads the whole font
    // database; the main window shows no text, so that waits until the main window is painted.
    new AfterFirstPaint(this, [] {
        for (const char* file :
             {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
            QFontDatabase::addApplicationFont(file);
    });
    // Decoded while the start-up goes on, since the first picture read pays for finding the
    // image readers, and given to the windows once the first is painted, or to the first box.
    windowIcon_ = std::async(std::launch::async, artwork::applicationIcon);
    new AfterFirstPaint(this, [this] { useWindowIcon(); });
    platform::setErrorSink([this](const QString& message) { ReportError(message); });
    // The run ends with the main window alone, whatever other windows are open.
    setQuitOnLastWindowClosed(false);
}

bool QuilloxApplication::event(QEvent* event) {
    if (event->type() == QEvent::EnterWhatsThisMode && fMain) {
        platform::runHandler([] { fMain->HelpButtonClick(); });
        return true;
    }
    return QApplication::event(event);
}

bool QuilloxApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    platform::runHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void QuilloxApplication::ReportError(const QString& message) {
    useWindowIcon();
    reporter_(message);
}

void QuilloxApplication::useWindowIcon() {
    if (windowIcon_.valid())
        setWindowIcon(QIcon(QPixmap::fromImage(windowIcon_.get())));
}

int QuilloxApplication::Run() {
    const CommandLine line = readCommandLine(arguments_);
    if (line.request == CommandLine::Request::UnknownOption) {
        std::fprintf(stderr, "quillox: unknown option %s\n\n%s", line.unknownOption.constData(),
                     usageText().toLocal8Bit().constData());
        return 2;
    }
    // A signal ends the run at any point, a box of the start-up showing or not: quitting leaves
    // every loop, a box's too, and no loop runs after it.
    bool terminating = false;
    platform::TerminationSignals terminationSignals;
    connect(&terminationSignals, &platform::TerminationSignals::Received, this, [&terminating] {
        terminating = true;
        if (fMain)
            fMain->close();
        QCoreApplication::exit(0);
    });
    // A second copy must never open the same database: it hands over to the running copy.
    std::unique_ptr<SingleInstance> guard;
    std::optional<SingleInstance::Holder> holder;
    platform::runHandler([&] {
        guard = std::make_unique<SingleInstance>(store::getDatabaseFile());
        holder = guard->acquire();
    });
    if (terminating)
        return 0;
    // Without the lock the database stays closed; the error box has said why.
    if (!holder)
        return 1;
    if (*holder == SingleInstance::Holder::RunningCopy) {
        bool handedOver = false;
        platform::runHandler([&] {
            guard->activateRunningCopy(fileToFile(line.files));
            handedOver = true;
        });
        return handedOver ? 0 : 1;
    }
    // Holding the store's lock, no other copy of the program can be writing into the store.
    platform::runHandler(store::removeLeftoverCopies);
    // This copy is of use without the hand-over; a terminal tells why a second copy cannot
    // reach it, and the second copy says so itself.
    try {
        guard->listen([](const QUrl& handedFile) {
            platform::runHandler([&] {
                if (handedFile.isEmpty())
                    bringRunToFront();
                else if (fMain)
                    handOverFile(platform::localPathAsText(handedFile));
            });
        });
    } catch (const platform::UserError& error) {
        std::fprintf(stderr, "quillox: %s\n",
                     withFullStop(QString::fromStdString(error.what())).toLocal8Bit().constData());
    }
    CreateInstances(*holder == SingleInstance::Holder::ThisCopyAfterADeadOne
                        ? store::StartKind::AfterUncleanEnd
                        : store::StartKind::AfterCleanEnd);
    // A store that can only be read still browses and searches; said once, so that no filing
    // is begun in vain.
    if (const QString notice = dmData->ReadOnlyNotice(); !notice.isEmpty())
        widgets::showMessageBox(QMessageBox::Information, notice);
    // Without a store, the start-up has said why once already; a file that cannot be filed
    // leaves the main window.
    bool filing = false;
    if (!line.files.isEmpty() && dmData->Available())
        platform::runHandler([&] {
            handOverFile(fileToFile(line.files));
            filing = true;
        });
    if (!filing)
        fMain->show();
    const int status = terminating ? 0 : exec();
    DestroyInstances();
    return status;
}

} // namespace quillox::app
