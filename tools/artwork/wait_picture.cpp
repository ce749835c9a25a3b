#include "wait_picture.h"

#include "drawing_kit.h"
#include "main_pictures.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace quillox::artwork {

QImage waitPicture() {
    constexpr int width = 690;
    constexpr int height = 900;
    QImage picture(width, height, QImage::Format_RGB888);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient ground(0, 0, 0, height);
    ground.setColorAt(0, QColor(248, 249, 251));
    ground.setColorAt(1, QColor(228, 233, 240));
    painter.fillRect(picture.rect(), ground);

    const QRectF card(width / 2.0 - 150, 170, 300, 384);
    painter.drawImage(card, mainScanPicture());

    painter.setPen(blueHue().deep);
    painter.setFont(lettering(34, QFont::Bold));
    painter.drawText(QRectF(0, 600, width, 50), Qt::AlignCenter, "Waiting for the scanner");
    painter.setPen(QColor(90, 100, 115));
    painter.setFont(lettering(19, QFont::Normal));
    painter.drawText(QRectF(60, 660, width - 120, 80), Qt::AlignCenter | Qt::TextWordWrap,
                     "Choose your settings in the scanner's window and start the scan. The "
                     "page shows here when it arrives.");
    painter.end();
    return picture;
}

} // namespace quillox::artwork
