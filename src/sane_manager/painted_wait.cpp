#include "painted_wait.h"

#include <QCoreApplication>
#include <QThread>

namespace quillox::sane_manager {

void repaintWindows() {
    const QCoreApplication* application = QCoreApplication::instance();
    if (application && application->thread() == QThread::currentThread())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::ExcludeSocketNotifiers);
}

} // namespace quillox::sane_manager
