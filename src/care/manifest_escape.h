#pragma once

#include <QByteArray>
#include <optional>

namespace quillox::care {

// A path or name as the manifest writes it, on one line between tabs, as UTF-8 text: "%", the
// control characters (tab and line ends among them) and DEL become "%" and two upper-case
// hexadecimal digits, and so does every byte from 0x80 up when the bytes are not UTF-8.
QByteArray escapeManifestText(const QByteArray& bytes);

// The bytes back from escaped text; nothing when the text holds a byte that escaping would have
// replaced, or a "%" not followed by two hexadecimal digits.
std::optional<QByteArray> unescapeManifestText(const QByteArray& text);

} // namespace quillox::care
