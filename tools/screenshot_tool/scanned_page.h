#pragma once

#include <QString>

namespace quillox::screenshots {

// Writes a small text file that stands for a scanned page into the folder, made when missing,
// and returns its path. Throws std::runtime_error when it cannot be written.
QString writeScannedPage(const QString& folder, const QString& fileName, const QString& text);

} // namespace quillox::screenshots
