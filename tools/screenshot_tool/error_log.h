#pragma once

#include "app/quillox_application.h"

#include <QStringList>

namespace quillox::screenshots {

// Collects the errors the application reports. Its error boxes would wait for a click that
// never comes, and an error means a picture may show a broken window.
class ErrorLog {
public:
    app::QuilloxApplication::ErrorReporter reporter();
    // Throws std::runtime_error with the messages collected since the last check, if any,
    // naming the step.
    void check(const QString& step);

private:
    QStringList messages_;
};

} // namespace quillox::screenshots
