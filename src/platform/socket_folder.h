#pragma once

#include <QString>

namespace quillox::platform {

// The folder for this user's local sockets, which no other user may write in, or a name
// planted there would take the requests meant for the program: $XDG_RUNTIME_DIR when it is the
// user's own, else "quillox-<uid>" in the temporary folder, made with mode 0700. The folder
// counts as the user's own when it is a folder, not a link, owned by the user and closed to
// everyone else. Throws UserError naming the folder and what is wrong with it when the
// fallback is not the user's own either (another user may have made it first).
QString socketFolder();

} // namespace quillox::platform
