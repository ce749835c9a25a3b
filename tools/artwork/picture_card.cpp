#include "picture_card.h"

#include "drawing_kit.h"
#include "soft_shadow.h"

#include <QPainter>

namespace quillox::artwork {
namespace {

constexpr qreal cornerRadius = 56;
constexpr ShadowStyle cardShadow{10, 30, 0.30};

} // namespace

QImage pictureCard(const Hue& hue, const ScenePainter& paintScene) {
    QImage canvas = transparentCanvas(cardPictureSize.width(), cardPictureSize.height());
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath card = roundedRectPath(cardArea, cornerRadius);
    paintSoftShadow(painter, card, cardShadow);
    painter.fillPath(card, paper());

    painter.save();
    painter.setClipPath(card);
    const QRectF band(cardArea.left(), cardArea.top(), cardArea.width(), cardBandHeight);
    painter.fillRect(band, hue.main);
    // A tinted edge, like the frame of a label holder, eases the band into the white card.
    painter.fillRect(QRectF(band.left(), band.bottom() - 12, band.width(), 12), hue.tint);
    painter.restore();

    painter.setPen(QPen(rim(), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(card);
    paintScene(painter);
    return canvas;
}

} // namespace quillox::artwork
