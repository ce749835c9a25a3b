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
// The 80 folder icons: 16 symbols in five colours each, icon = 5 * symbol + colour.
const std::vector<QImage>& folderIcons();

} // namespace quillox::artwork
