#pragma once

#include <functional>
#include <optional>
#include <string>

namespace quillox::testing {

// Runs the action in a forked child, so that what it changes of the process (limits, user)
// stays there, and returns its text; an exception's message comes back as "failed: " and the
// message.
std::string reportFromChild(const std::function<std::string()>& action);

// Runs the action under the rights of an ordinary user (nobody, when the tests run as root,
// which reads and writes through any permission bits); nothing when root cannot be given up.
std::optional<std::string> reportWithoutRoot(const std::function<std::string()>& action);

// The user that reportWithoutRoot runs as when the tests run as root.
constexpr unsigned ordinaryUserId = 65534;

} // namespace quillox::testing
