#include "artwork.h"

namespace quillox::artwork {
namespace {

QImage picture(const QString& name) {
    return QImage(":/images/" + name);
}

} // namespace

QIcon applicationIcon() {
    return QIcon(":/images/app_icon.png");
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

QImage blankSheet() {
    return picture("blank_sheet.png");
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
