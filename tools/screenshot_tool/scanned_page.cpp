#include "scanned_page.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace quillox::screenshots {

QString writeScannedPage(const QString& folder, const QString& fileName, const QString& text) {
    const QString path = QDir(folder).filePath(fileName);
    QFile file(path);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
        file.write(text.toUtf8()) < 0 || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString());
    return path;
}

} // namespace quillox::screenshots
