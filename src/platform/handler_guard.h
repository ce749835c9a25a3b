#pragma once

#include <QString>
#include <functional>

namespace quillox::platform {

using ErrorSink = std::function<void(const QString& message)>;

// Where the errors of handlers go; the application object sets it to its error box.
void setErrorSink(ErrorSink sink);
bool hasErrorSink();

// Hands the error being handled to the sink: an exception's message, or a general one for
// anything else. Call it only inside a catch block.
void reportCurrentError();

// The one guard of the program: runs a handler and hands an error it raises to the error sink,
// so that no exception ever unwinds through the toolkit's own frames, which are not written for
// it. Without a sink there is nobody to tell, and the error goes on to the caller.
template <typename Handler> void runHandler(Handler&& handler) {
    if (!hasErrorSink()) {
        handler();
        return;
    }
    try {
        handler();
    } catch (...) {
        reportCurrentError();
    }
}

// A handler for a signal connection, run through runHandler.
template <typename Handler> auto guarded(Handler handler) {
    return [handler]() { runHandler(handler); };
}

} // namespace quillox::platform
