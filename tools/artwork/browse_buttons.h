#pragma once

#include <QImage>

namespace quillox::artwork {

// The buttons of the browse window and of the search window it opens, drawn like the dialogs'
// buttons (see round_button.h). Some are a pixel narrower or shorter than square.

// A magnifier, 331 x 333.
QImage searchButton();
// A folder with a plus, 332 x 333.
QImage addFolderButton();
// A folder with a cross, 332 x 332.
QImage deleteFolderButton();
// An arrow up to the parent folder, 332 x 332.
QImage upButton();
// A house: back to the main window, 332 x 332.
QImage backButton();
// A door with an arrow leading out: the search window closes, 332 x 332.
QImage closeButton();

} // namespace quillox::artwork
