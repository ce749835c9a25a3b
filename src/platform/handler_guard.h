#pragma once

#include <QString>
#include <functional>

namespace quillox::platform {

using ErrorSink = std::function<void(const QString& message)>;

// Where the errors of event handlers go; the application object sets it to its error box.
void setErrorSink(ErrorSink sink);

// Runs an event handler and hands an error it raises to the error sink, so that no exception
// ever unwinds through the toolkit's own frames, which are not written for it.
void runHandler(const std::function<void()>& handler);

// A handler for a signal connection, run through runHandler.
template <typename Handler> auto guarded(Handler handler) {
    return [handler]() { runHandler(handler); };
}

} // namespace quillox::platform
