#pragma once

#include <QStringList>

class QWidget;

namespace quillox::widgets {

// A dialog that lists the scanners by name, the given one chosen at first; the position of
// the one the user takes, or -1 when they cancel.
int chooseScanner(QWidget* parent, const QStringList& names, int preselected);

} // namespace quillox::widgets
