#include "widgets/artwork.h"

namespace quillox::artwork {
namespace {

QImage picture(const QString& name) {
    return QImage(":/images/" + name);
}

} // namespace

QImage applicationIcon() {
    return picture("app_icon.png");
}

QImage background() {
    return picture("background.bmp");
}

QImage watermark() {
    return picture("watermark.bmp");
}

QImage okButton() {
    return picture("ok_button.bmp");
}

QImage cancelButton() {
    return picture("cancel_button.bmp");
}

QImage waitImage() {
    return picture("wait_image.bmp");
}

QImage blankSheet() {
    return picture("blank_sheet.png");
}

QImage mainDropPicture() {
    return picture("main_drop.png");
}

QImage mainScanPicture() {
    return picture("main_scan.png");
}

QImage mainBrowsePicture() {
    return picture("main_browse.png");
}

QImage mainDropPictureShown() {
    return picture("main_drop_shown.png");
}

QImage mainScanPictureShown() {
    return picture("main_scan_shown.png");
}

QImage mainBrowsePictureShown() {
    return picture("main_browse_shown.png");
}

QImage aboutPicture() {
    return picture("about.jpg");
}

QImage searchButton() {
    return picture("search_button.bmp");
}

QImage addFolderButton() {
    return picture("add_button.bmp");
}

QImage deleteFolderButton() {
    return picture("delete_button.bmp");
}

QImage upButton() {
    return picture("up_button.bmp");
}

QImage backButton() {
    return picture("back_button.bmp");
}

QImage closeButton() {
    return picture("close_button.bmp");
}

const std::vector<QImage>& folderIcons() {
    static const std::vector<QImage> icons = [] {
        std::vector<QImage> loaded;
        for (int i = 0; i < 80; ++i)
            loaded.push_back(picture(QString("folder_%1.png").arg(i, 2, 10, QChar('0'))));
        return loaded;
    }();
    return icons;
}

} // namespace quillox::artwork
