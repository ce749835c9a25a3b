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

bool hasErrorSink() {
    return static_cast<bool>(sink());
}

void reportCurrentError() {
    try {
        throw;
    } catch (const std::exception& error) {
        sink()(QString::fromUtf8(error.what()));
    } catch (...) {
        sink()("An unexpected error occurred");
    }
}

} // namespace quillox::platform
