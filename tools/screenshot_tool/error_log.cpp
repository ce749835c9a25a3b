#include "error_log.h"

#include <stdexcept>

namespace quillox::screenshots {

app::QuilloxApplication::ErrorReporter ErrorLog::reporter() {
    return [this](const QString& message) { messages_.append(message); };
}

void ErrorLog::check(const QString& step) {
    if (messages_.isEmpty())
        return;
    const QString reported = messages_.join("; ");
    messages_.clear();
    throw std::runtime_error((step + ": the application reported: " + reported).toStdString());
}

} // namespace quillox::screenshots
