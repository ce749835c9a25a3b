#pragma once

#include "qt_printers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillox::testing {

// Writes the file, making its folder; fails the test when it cannot.
void writeFile(const QString& path, const QByteArray& contents);
QByteArray contentsOf(const QString& path);
// Every entry of a folder, hidden ones too, sorted; empty when the folder is missing.
QStringList entriesOf(const QString& folder);
// Bytes that differ from chunk to chunk, so that a misplaced chunk shows.
QByteArray patternBytes(qsizetype size);
// Writes the bytes over the file's from the offset on and sets its modification time back, so
// that the file keeps its size and time and only reading it shows the change.
void overwriteKeepingTime(const QString& path, qint64 offset, const QByteArray& bytes);

} // namespace quillox::testing
