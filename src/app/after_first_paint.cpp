#include "app/after_first_paint.h"

#include "platform/handler_guard.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace quillox::app {

AfterFirstPaint::AfterFirstPaint(QObject* application, std::function<void()> step)
    : QObject(application), step_(std::move(step)) {
    application->installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && widget && widget->isWindow()) {
        parent()->removeEventFilter(this);
        // Queued, so that the paint and the flush of the window's picture are done first.
        QTimer::singleShot(0, this, platform::guarded([this] {
                               step_();
                               deleteLater();
                           }));
    }
    return false;
}

} // namespace quillox::app
