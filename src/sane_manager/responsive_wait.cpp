#include "sane_manager/responsive_wait.h"

#include <QApplication>
#include <QThread>

namespace quillox::sane_manager {

void keepWindowsResponding() {
    const QCoreApplication* application = QCoreApplication::instance();
    if (!application || application->thread() != QThread::currentThread())
        return;
    // Under a modal dialog, such as the scanner's own with its Cancel button, input reaches
    // that dialog alone; without one it waits.
    QEventLoop::ProcessEventsFlags flags = QEventLoop::ExcludeSocketNotifiers;
    if (!QApplication::activeModalWidget())
        flags |= QEventLoop::ExcludeUserInputEvents;
    QCoreApplication::processEvents(flags);
}

} // namespace quillox::sane_manager
