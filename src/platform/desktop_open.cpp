#include "platform/desktop_open.h"

#include "platform/file_copy.h"
#include "platform/user_error.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillox::platform {

void openWithDesktop(const QString& path) {
    // The desktop would fail later and silently on a missing copy; say so now.
    checkCopySource(path);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        throw UserError(QString("No application could open \"%1\".").arg(path));
}

void openWebPage(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace quillox::platform
