#include "picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillox::widgets {
namespace {

QImage withKeyColourTransparent(const QImage& image) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    if (result.isNull())
        return result;
    const QRgb key = result.pixel(0, result.height() - 1);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return result;
}

} // namespace

PictureButton::PictureButton(QWidget* parent) : QWidget(parent) {}

void PictureButton::SetPicture(const QImage& image, PictureScaling scaling, bool transparent) {
    image_ = transparent ? withKeyColourTransparent(image) : image;
    scaling_ = scaling;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRect target = rect();
    if (scaling_ == PictureScaling::KeepProportions) {
        const QSize size = image_.size().scaled(target.size(), Qt::KeepAspectRatio);
        target = QRect(QPoint(0, 0), size);
        target.moveCenter(rect().center());
    }
    painter.drawImage(target, image_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

// Disabled pictures keep their look: only the clicks stop.
void PictureButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        pressed_ = false;
    QWidget::changeEvent(event);
}

PictureButton* clickablePicture(QWidget* parent, QRect geometry, const QImage& image,
                                PictureScaling scaling, const QString& hint) {
    auto* picture = new PictureButton(parent);
    picture->setGeometry(geometry);
    picture->SetPicture(image, scaling, true);
    picture->setToolTip(hint);
    picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

} // namespace quillox::widgets
