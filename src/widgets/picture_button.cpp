#include "widgets/picture_button.h"

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
    SetPicture([image] { return image; }, scaling, transparent);
}

void PictureButton::SetPicture(PictureSource source, PictureScaling scaling, bool transparent) {
    source_ = std::move(source);
    transparent_ = transparent;
    image_ = {};
    shownSource_ = nullptr;
    shown_ = {};
    scaling_ = scaling;
    scaled_ = {};
    update();
}

const QImage& PictureButton::Picture() const {
    if (source_) {
        const QImage read = source_();
        image_ = transparent_ ? withKeyColourTransparent(read) : read;
        source_ = nullptr;
    }
    return image_;
}

void PictureButton::SetShownPicture(PictureSource shown) {
    shownSource_ = std::move(shown);
    shown_ = {};
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    if (shownSource_) {
        shown_ = shownSource_();
        shownSource_ = nullptr;
    }
    QPainter painter(this);
    if (!shown_.isNull() && shown_.size() == size() * devicePixelRatio()) {
        painter.drawImage(rect(), shown_);
        return;
    }
    if (Picture().isNull())
        return;
    QRect target = rect();
    if (scaling_ == PictureScaling::KeepProportions) {
        const QSize size = image_.size().scaled(target.size(), Qt::KeepAspectRatio);
        target = QRect(QPoint(0, 0), size);
        target.moveCenter(rect().center());
    }
    // A large picture shown small is scaled once for its box, not at every paint.
    if (image_.width() > 2 * target.width() || image_.height() > 2 * target.height()) {
        if (scaled_.size() != target.size())
            scaled_ = QPixmap::fromImage(
                image_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        painter.drawPixmap(target.topLeft(), scaled_);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
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

PictureButton* clickablePicture(QWidget* parent, QRect geometry,
                                PictureButton::PictureSource source, PictureScaling scaling,
                                const QString& hint) {
    auto* picture = new PictureButton(parent);
    picture->setGeometry(geometry);
    picture->SetPicture(std::move(source), scaling, true);
    picture->setToolTip(hint);
    picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

} // namespace quillox::widgets
