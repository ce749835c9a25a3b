#include "captioned_image.h"

#include "picture_button.h"

#include <QLabel>
#include <QMouseEvent>

namespace quillox::widgets {
namespace {

// The caption as rich text: "&&" shows one ampersand, "&x" shows x underlined.
QString accelerated(const QString& caption) {
    QString html;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] == '&')
                html += "&amp;";
            else
                html += "<u>" + QString(caption[i]).toHtmlEscaped() + "</u>";
        } else if (caption[i] != '&') {
            html += QString(caption[i]).toHtmlEscaped();
        }
    }
    return html;
}

constexpr int defaultPictureSize = 105;

} // namespace

TCaptionedImage::TCaptionedImage(QWidget* owner) : QWidget(owner) {
    imageI_ = new PictureButton(this);
    imageI_->setGeometry(0, 0, defaultPictureSize, defaultPictureSize);
    captionL_ = new QLabel(this);
    captionL_->setTextFormat(Qt::RichText);
    captionL_->setWordWrap(true);
    captionL_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The tile takes every click, whichever part of it is under the pointer.
    imageI_->setAttribute(Qt::WA_TransparentForMouseEvents);
    captionL_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Layout();
}

void TCaptionedImage::SetCaption(const QString& caption) {
    captionText_ = caption;
    captionL_->setText(accelerated(caption));
    Layout();
    update();
}

void TCaptionedImage::SetFont(const QFont& font) {
    captionL_->setFont(font);
    Layout();
    update();
}

QString TCaptionedImage::ShownCaption() const {
    return captionL_->text();
}

void TCaptionedImage::Layout() {
    const int pictureWidth = imageI_->width();
    // A single word wider than the picture is not broken: the tile widens to hold it.
    const int tileWidth = std::max(pictureWidth, captionL_->minimumSizeHint().width());
    // An empty caption still takes one line.
    const int captionHeight =
        std::max(captionL_->fontMetrics().height(), captionL_->heightForWidth(tileWidth));
    imageI_->move((tileWidth - pictureWidth) / 2, 0);
    captionL_->setGeometry(0, imageI_->height(), tileWidth, captionHeight);
    setFixedSize(tileWidth, imageI_->height() + captionHeight);
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
