#include "shot_taker.h"

#include "error_log.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <stdexcept>

namespace quillox::screenshots {
namespace {

[[noreturn]] void fail(const QString& fileName, const QString& problem) {
    throw std::runtime_error((fileName + ": " + problem).toStdString());
}

} // namespace

void settle() {
    // A short while rather than one pass, since handled events post further ones.
    constexpr int settleMilliseconds = 150;
    const QDeadlineTimer deadline(settleMilliseconds);
    while (!deadline.hasExpired()) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

ShotTaker::ShotTaker(const QDir& outDir, ErrorLog& errors) : outDir_(outDir), errors_(errors) {}

void ShotTaker::take(QWidget& window, const QString& fileName) const {
    settle();
    errors_.check(fileName);
    if (!window.isVisible())
        fail(fileName, window.windowTitle() + " is not showing");
    const QPixmap shot = window.grab();
    if (shot.isNull())
        fail(fileName, "the window gave no picture");
    const QString path = outDir_.filePath(fileName);
    if (!shot.save(path, "PNG"))
        fail(fileName, "cannot be written to " + path);
    std::printf("%s (%dx%d)\n", qPrintable(path), shot.width(), shot.height());
}

} // namespace quillox::screenshots
