// Loaded into a program through LD_PRELOAD, so that the program's own code stays as it is: on
// the first paint of a top-level window it prints when that was and the peak memory so far on
// one line of standard output, then ends the program's event loop.
//
//     first-paint <steady clock in ns> <peak KiB> <window's class>

#include "process_memory.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (reported_ || event->type() != QEvent::Paint)
            return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow())
            return false;
        reported_ = true;
        // Reported once the paint and the flush of the window's picture that follows it are
        // done: the event loop comes back to the timer only after both.
        const QByteArray windowClass = widget->metaObject()->className();
        QTimer::singleShot(0, [windowClass] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("first-paint %lld %ld %s\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                        peakResidentKb(), windowClass.constData());
            std::fflush(stdout);
            // exit rather than quit: quit first asks every window to close.
            QCoreApplication::exit(0);
        });
        return false;
    }

private:
    bool reported_ = false;
};

void watchForFirstPaint() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintWatch(application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
