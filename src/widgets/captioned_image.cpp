#include "widgets/captioned_image.h"

#include "widgets/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillox::widgets {

namespace {

constexpr int defaultPictureSize = 105;
constexpr int captionFlags =
    Qt::TextShowMnemonic | Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop;

// The caption's size when wrapped at the width; a word wider than that is not broken, and an
// empty caption still takes one line.
QSize captionSize(const QFontMetrics& metrics, const QString& text, int width) {
    const QRect bounds = metrics.boundingRect(QRect(0, 0, width, 1 << 20), captionFlags, text);
    return {std::max(width, bounds.width()), std::max(metrics.height(), bounds.height())};
}

} // namespace

// The caption: word-wrapped and centred; "&x" shows x underlined, "&&" one ampersand. Drawn
// directly, since a level can hold hundreds of tiles and a rich-text label costs far more.
class CaptionLabel : public QWidget {
public:
    explicit CaptionLabel(QWidget* parent) : QWidget(parent) {}

    void SetText(const QString& text) {
        text_ = text;
        update();
    }
    const QString& Text() const { return text_; }

    QSize SizeFor(int width) const { return captionSize(fontMetrics(), text_, width); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(rect(), captionFlags, text_);
    }

private:
    QString text_;
};

TCaptionedImage::TCaptionedImage(QWidget* owner) : QWidget(owner) {
    imageI_ = new PictureButton(this);
    imageI_->setGeometry(0, 0, defaultPictureSize, defaultPictureSize);
    captionL_ = new CaptionLabel(this);
    // The tile takes every click, whichever part of it is under the pointer.
    imageI_->setAttribute(Qt::WA_TransparentForMouseEvents);
    captionL_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Layout();
}

void TCaptionedImage::SetCaption(const QString& caption) {
    captionText_ = caption;
    captionL_->SetText(caption);
    Layout();
    update();
}

void TCaptionedImage::SetFont(const QFont& font) {
    captionL_->setFont(font);
    Layout();
    update();
}

QString TCaptionedImage::ShownCaption() const {
    QString shown;
    const QString& caption = captionL_->Text();
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&')
            shown += caption[i];
        else if (i + 1 < caption.size())
            shown += caption[++i];
    }
    return shown;
}

void TCaptionedImage::Layout() {
    const int pictureWidth = imageI_->width();
    // A single word wider than the picture is not broken: the tile widens to hold it. An empty
    // caption still takes one line.
    const QSize caption = captionL_->SizeFor(pictureWidth);
    imageI_->move((caption.width() - pictureWidth) / 2, 0);
    captionL_->setGeometry(0, imageI_->height(), caption.width(), caption.height());
    setFixedSize(caption.width(), imageI_->height() + caption.height());
}

QSize TCaptionedImage::SizeFor(const QFont& font, const QString& caption) {
    const QSize captionArea = captionSize(QFontMetrics(font), caption, defaultPictureSize);
    return {captionArea.width(), defaultPictureSize + captionArea.height()};
}

void TCaptionedImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void TCaptionedImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && onClick_)
        onClick_(*this);
}

} // namespace quillox::widgets
