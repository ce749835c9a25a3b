#include "folder_icons.h"

#include "drawing_kit.h"
#include "soft_shadow.h"

#include <QPainter>

namespace quillox::artwork {
namespace {

constexpr int iconSize = 100;
constexpr ShadowStyle iconShadow{1.5, 5, 0.30};

} // namespace

QImage folderIcon(SymbolPainter symbol, const Hue& hue) {
    QImage icon = transparentCanvas(iconSize, iconSize);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(50, 50);
    const QPainterPath disc = circlePath(centre, 44);
    paintSoftShadow(painter, disc, iconShadow);
    painter.fillPath(disc, paper());
    painter.setPen(QPen(rim(), 1));
    painter.drawEllipse(centre, 43.5, 43.5);
    symbol(painter, hue);
    return icon;
}

QImage blankSheet() {
    QImage sheet = transparentCanvas(iconSize, iconSize);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    constexpr qreal left = 25, top = 12, right = 75, bottom = 87, fold = 15, corner = 3;
    QPainterPath page;
    page.moveTo(left + corner, top);
    page.lineTo(right - fold, top);
    page.lineTo(right, top + fold);
    page.lineTo(right, bottom - corner);
    page.quadTo(right, bottom, right - corner, bottom);
    page.lineTo(left + corner, bottom);
    page.quadTo(left, bottom, left, bottom - corner);
    page.lineTo(left, top + corner);
    page.quadTo(left, top, left + corner, top);
    paintSoftShadow(painter, page, iconShadow);
    painter.setPen(roundPen(rim().darker(112), 1.5));
    painter.setBrush(paper());
    painter.drawPath(page);

    QPainterPath flap;
    flap.moveTo(right - fold, top);
    flap.lineTo(right - fold, top + fold - corner);
    flap.quadTo(right - fold, top + fold, right - fold + corner, top + fold);
    flap.lineTo(right, top + fold);
    flap.closeSubpath();
    painter.setBrush(QColor(0xE8ECF2));
    painter.drawPath(flap);
    return sheet;
}

} // namespace quillox::artwork
