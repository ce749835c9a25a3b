#pragma once

#include "platform/user_error.h"

#include <QString>

namespace quillox::twain {

// Stops a transfer over what the scanner delivered, with the reason for the user.
[[noreturn]] inline void refuseTransfer(const QString& why) {
    throw platform::UserError("The scanner's transfer was stopped: " + why);
}

} // namespace quillox::twain
