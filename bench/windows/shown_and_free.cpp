#include "shown_and_free.h"

#include "event_waiting.h"
#include "timing.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Sees a paint of the window or of any widget in it: a window whose children cover it is not
// painted itself.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(const QWidget& window) : window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PaintWatch() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            painted = true;
        }
        return false;
    }

private:
    const QWidget& window_;
};

} // namespace

double msUntilShownAndFree(QWidget& window, const std::function<void()>& show) {
    PaintWatch watch(window);
    bool free = false;
    QObject timerContext;
    return secondsOf([&] {
               show();
               processEventsUntil([&] { return watch.painted; }, "the window's paint");
               QTimer::singleShot(0, &timerContext, [&] { free = true; });
               processEventsUntil([&] { return free; }, "the event loop after the paint");
           }) *
           1e3;
}
