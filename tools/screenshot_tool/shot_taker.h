#pragma once

#include <QDir>
#include <QString>

class QWidget;

namespace quillox::screenshots {

class ErrorLog;

// Handles what showing and filling windows left to do: layouts, resizes, activation and
// painting all arrive as posted events, some of which post more.
void settle();

// Saves windows as PNG pictures into one folder.
class ShotTaker {
public:
    ShotTaker(const QDir& outDir, ErrorLog& errors);

    // Settles the window, then saves the whole of it as fileName. Throws std::runtime_error
    // when the window is not showing, an error was reported, or the picture cannot be made or
    // saved.
    void take(QWidget& window, const QString& fileName) const;

private:
    QDir outDir_;
    ErrorLog& errors_;
};

} // namespace quillox::screenshots
