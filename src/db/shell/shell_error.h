#pragma once

#include <QString>
#include <stdexcept>

namespace quillox::db::shell {

// A mistake in what the user asked of the shell itself (arguments, dot-commands); what() is the
// message printed on standard error.
class ShellError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] inline void throwShellError(const QString& message) {
    throw ShellError(message.toStdString());
}

} // namespace quillox::db::shell
