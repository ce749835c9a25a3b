#pragma once

#include <QIcon>
#include <QImage>
#include <vector>

// The pictures the windows are drawn with, compiled into the program.
namespace quillox::artwork {

QIcon applicationIcon();
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
