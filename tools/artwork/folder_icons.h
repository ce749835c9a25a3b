#pragma once

#include "palette.h"
#include "symbols.h"

#include <QImage>

namespace quillox::artwork {

// A folder icon: the symbol in the hue on a white disc, 100 x 100 with transparent corners.
QImage folderIcon(SymbolPainter symbol, const Hue& hue);

// The picture of a folder without an icon: a blank sheet with a folded corner, 100 x 100.
QImage blankSheet();

} // namespace quillox::artwork
