#pragma once

#include <QImage>
#include <vector>

// The pictures the windows are drawn with, compiled into the program.
namespace quillox::artwork {

// The application's icon, 128 x 128 with alpha.
QImage applicationIcon();
QImage background();
QImage watermark();
QImage okButton();
QImage cancelButton();
QImage blankSheet();
// The scan preview's picture while the scanner's own window is open.
QImage waitImage();
// The main window's three ways in, each 677 x 866 with transparent corners.
QImage mainDropPicture();
QImage mainScanPicture();
QImage mainBrowsePicture();
// The same three at the size the main window shows them, 154 x 200, scaled when the artwork is
// drawn, so that the program neither reads nor scales the large ones to start.
QImage mainDropPictureShown();
QImage mainScanPictureShown();
QImage mainBrowsePictureShown();
// 886 x 663; the window's help button covers its plain bottom-right corner.
QImage aboutPicture();
// The browse window's buttons and the search window's close button, drawn like okButton().
QImage searchButton();
QImage addFolderButton();
QImage deleteFolderButton();
QImage upButton();
QImage backButton();
QImage closeButton();
// The 80 folder icons: 16 symbols in five colours each, icon = 5 * symbol + colour.
const std::vector<QImage>& folderIcons();

} // namespace quillox::artwork
