#include "temporary_home.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace quillox::screenshots {

TemporaryHome::TemporaryHome() {
    if (!dir_.isValid())
        throw std::runtime_error("cannot make a temporary folder: " +
                                 dir_.errorString().toStdString());
    qputenv("HOME", path().toUtf8());
    qputenv("XDG_DATA_HOME", (path() + "/data").toUtf8());
    // An empty configuration folder names no user folders, so the documents folder is the
    // default one under HOME.
    qputenv("XDG_CONFIG_HOME", (path() + "/config").toUtf8());
    // Qt accepts a runtime folder only when its owner alone may use it.
    const QString runtime = path() + "/runtime";
    if (!QDir().mkpath(runtime) ||
        !QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner))
        throw std::runtime_error("cannot make the runtime folder " + runtime.toStdString());
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
}

} // namespace quillox::screenshots
