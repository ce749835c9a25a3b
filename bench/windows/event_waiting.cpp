#include "event_waiting.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <stdexcept>
#include <string>

namespace {

constexpr qint64 limitMs = 5 * 60 * 1000;
constexpr int wakeMs = 2;

} // namespace

void processEventsUntil(const std::function<bool()>& done, const char* awaited) {
    QCoreApplication::processEvents();
    if (done())
        return;
    // Waiting for more events alone could sleep for ever once the program has none to send.
    QTimer wake;
    wake.start(wakeMs);
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > limitMs)
            throw std::runtime_error(std::string("gave up waiting for ") + awaited);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}
