#pragma once

#include <QString>
#include <stdexcept>

namespace quillox::platform {

// A failure outside the database engine, carrying the message the user sees.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

} // namespace quillox::platform
