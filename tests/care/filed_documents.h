#pragma once

#include <QByteArray>
#include <QString>

namespace quillox::testing {

// The folder that the test stores file their documents in.
inline const QString filedFolder = "FILED";

// The bytes of document N: its number repeated, some tens of KiB to a MiB, so that every
// document's copy differs and a copy put under another document's row shows.
QByteArray documentBytes(int number);

} // namespace quillox::testing
