#include "platform/handler_guard.h"

#include <exception>

namespace quillox::platform {
namespace {

ErrorSink& sink() {
    static ErrorSink current;
    return current;
}

} // namespace

void setErrorSink(ErrorSink errorSink) {
    sink() = std::move(errorSink);
}

void runHandler(const std::function<void()>& handler) {
    // Without a sink there is nobody to tell: the error goes on to the caller.
    if (!sink()) {
        handler();
        return;
    }
    try {
        handler();
    } catch (const std::exception& error) {
        sink()(QString::fromUtf8(error.what()));
    } catch (...) {
        sink()("An unexpected error occurred");
    }
}

} // namespace quillox::platform
