#pragma once

#include "db/sql/input_excerpt.h"

#include <QString>
#include <stdexcept>

namespace quillox::db::shell {

// A mistake in what the user asked of the shell itself (arguments, dot-commands); what() is the
// message printed on standard error.
class ShellError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the user typed, as a message quotes it: cut to a readable length.
inline QString excerpt(const QString& input) {
    return QString::fromStdString(sql::inputExcerpt(input.toStdString()));
}

[[noreturn]] inline void throwShellError(const QString& message) {
    throw ShellError(message.toStdString());
}

} // namespace quillox::db::shell
