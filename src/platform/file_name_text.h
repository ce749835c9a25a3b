#pragma once

#include <QByteArray>
#include <QString>

class QUrl;

namespace quillox::platform {

// The system gives a file's path as bytes; the program keeps it as text, which holds exactly
// only a path that is valid UTF-8: the toolkit turns other bytes into U+FFFD, a path that names
// another file or none. Such a file is refused at the door, with UserError: "The file "<path>"
// cannot be filed: its name is not valid text; rename it and file it again".

// The path as text, from the system's bytes (a command line's argument).
QString pathAsText(const QByteArray& path);
// The path of a local file's URL as text, from its percent-decoded bytes.
QString localPathAsText(const QUrl& url);

} // namespace quillox::platform
