#include "widgets/tile_flow_panel.h"

#include "widgets/picture_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace quillox::widgets {
namespace {

constexpr int padding = 3;
// A turn of the mouse wheel scrolls three steps, about half a row of tiles.
constexpr int scrollStep = 20;

} // namespace

TileFlowPanel::TileFlowPanel(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(scrollStep);
    // The tiles stand on their owner's background, as on a plain panel.
    viewport()->setAutoFillBackground(false);
    // A click goes into a folder; only the keyboard needs the panel to hold the focus.
    setFocusPolicy(Qt::TabFocus);
}

void TileFlowPanel::SetTiles(std::vector<Tile> tiles) {
    for (std::size_t slot = 0; slot < widgets_.size(); ++slot) {
        shownTile_[slot] = -1;
        widgets_[slot]->hide();
    }
    tiles_ = std::move(tiles);
    sizes_.clear();
    arrangement_ = {};
    widgetOfTile_.assign(tiles_.size(), -1);
    verticalScrollBar()->setValue(0);
    current_ = tiles_.empty() ? -1 : 0;
    measure();
}

TCaptionedImage& TileFlowPanel::ShowTile(int index) {
    const int top = arrangement_.positions.at(static_cast<std::size_t>(index)).y();
    const int bottom = top + sizes_[static_cast<std::size_t>(index)].height() + 2 * padding;
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(std::min(top, std::max(bar->value(), bottom - viewport()->height())));
    TCaptionedImage& widget = widgetFor(index);
    widget.move(tileRect(index).topLeft());
    return widget;
}

QSize TileFlowPanel::sizeHint() const {
    return {2 * padding, 2 * padding};
}

QSize TileFlowPanel::minimumSizeHint() const {
    return sizeHint();
}

void TileFlowPanel::resizeEvent(QResizeEvent*) {
    arrange();
}

void TileFlowPanel::scrollContentsBy(int, int) {
    placeWidgets();
    viewport()->update();
}

// The current tile wears the style's focus frame while the panel has the focus; the tile's
// widget, which paints no background, leaves the frame in sight.
void TileFlowPanel::paintEvent(QPaintEvent*) {
    if (!hasFocus() || current_ < 0)
        return;
    QPainter painter(viewport());
    QStyleOptionFocusRect option;
    option.initFrom(this);
    // Styles that frame only after a Tab would leave the arrow keys' choice unseen.
    option.state |= QStyle::State_KeyboardFocusChange;
    option.rect = tileRect(current_);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void TileFlowPanel::keyPressEvent(QKeyEvent* event) {
    if (tiles_.empty()) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int last = TileCount() - 1;
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrent(std::max(0, current_ - 1));
        break;
    case Qt::Key_Right:
        setCurrent(std::min(last, current_ + 1));
        break;
    case Qt::Key_Up:
        setCurrent(tileInNextRow(-1));
        break;
    case Qt::Key_Down:
        setCurrent(tileInNextRow(1));
        break;
    case Qt::Key_Home:
        setCurrent(0);
        break;
    case Qt::Key_End:
        setCurrent(last);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        clickTile(current_);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void TileFlowPanel::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TileFlowPanel::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

// The tile widgets take the panel's font: every tile is measured again and shown afresh.
void TileFlowPanel::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    for (std::size_t slot = 0; slot < widgets_.size(); ++slot) {
        if (shownTile_[slot] >= 0)
            widgetOfTile_[static_cast<std::size_t>(shownTile_[slot])] = -1;
        shownTile_[slot] = -1;
        widgets_[slot]->hide();
    }
    measure();
}

void TileFlowPanel::measure() {
    const QFont tileFont = font();
    sizes_.clear();
    sizes_.reserve(tiles_.size());
    for (const Tile& tile : tiles_)
        sizes_.push_back(TCaptionedImage::SizeFor(tileFont, tile.caption));
    arrange();
}

// The scroll bar shows only when the tiles do not fit without it, and then takes its room from
// the rows. Deciding it here, rather than leaving it to the scroll area, places the tiles once,
// at the width they end up with.
void TileFlowPanel::arrange() {
    const QRect area = contentsRect();
    QScrollBar* bar = verticalScrollBar();
    arrangement_ = arrangeInFlow(sizes_, area.width() - 2 * padding);
    const bool scrolls = arrangement_.height + 2 * padding > area.height();
    if (scrolls)
        arrangement_ = arrangeInFlow(sizes_, area.width() - bar->sizeHint().width() - 2 * padding);
    setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    bar->setPageStep(area.height());
    bar->setRange(0, std::max(0, arrangement_.height + 2 * padding - area.height()));
    placeWidgets();
}

void TileFlowPanel::placeWidgets() {
    const int top = verticalScrollBar()->value() - padding;
    const auto [first, end] = arrangement_.itemsAcross(top, top + viewport()->height());
    for (std::size_t slot = 0; slot < widgets_.size(); ++slot) {
        const int tile = shownTile_[slot];
        if (tile >= 0 && (tile < first || tile >= end)) {
            widgetOfTile_[static_cast<std::size_t>(tile)] = -1;
            shownTile_[slot] = -1;
            widgets_[slot]->hide();
        }
    }
    for (int tile = first; tile < end; ++tile)
        widgetFor(tile).move(tileRect(tile).topLeft());
}

TCaptionedImage& TileFlowPanel::widgetFor(int tile) {
    const auto index = static_cast<std::size_t>(tile);
    if (const int shown = widgetOfTile_[index]; shown >= 0)
        return *widgets_[static_cast<std::size_t>(shown)];
    auto free = std::find(shownTile_.begin(), shownTile_.end(), -1);
    if (free == shownTile_.end()) {
        const int slot = static_cast<int>(widgets_.size());
        auto* widget = new TCaptionedImage(viewport());
        widget->setCursor(Qt::PointingHandCursor);
        widget->SetOnClick([this, slot](TCaptionedImage&) {
            clickTile(shownTile_[static_cast<std::size_t>(slot)]);
        });
        widgets_.push_back(widget);
        shownTile_.push_back(-1);
        free = shownTile_.end() - 1;
    }
    const auto slot = static_cast<std::size_t>(free - shownTile_.begin());
    TCaptionedImage& widget = *widgets_[slot];
    const Tile& shown = tiles_[index];
    widget.SetCaption(shown.caption);
    widget.Image()->SetPicture(shown.picture);
    widget.SetTag(shown.tag);
    widget.show();
    shownTile_[slot] = tile;
    widgetOfTile_[index] = static_cast<int>(slot);
    return widget;
}

QRect TileFlowPanel::tileRect(int tile) const {
    const auto index = static_cast<std::size_t>(tile);
    const QPoint corner(padding, padding - verticalScrollBar()->value());
    return {arrangement_.positions[index] + corner, sizes_[index]};
}

void TileFlowPanel::clickTile(int tile) {
    setCurrent(tile);
    if (onTileClick_)
        onTileClick_(widgetFor(tile));
}

void TileFlowPanel::setCurrent(int tile) {
    current_ = tile;
    ShowTile(tile);
    viewport()->update();
}

int TileFlowPanel::tileInNextRow(int direction) const {
    const int row = arrangement_.rowOf(current_) + direction;
    const int rows = static_cast<int>(arrangement_.rows.size());
    if (row < 0 || row >= rows)
        return current_;
    const auto at = [](int index) { return static_cast<std::size_t>(index); };
    const int centre = arrangement_.positions[at(current_)].x() + sizes_[at(current_)].width() / 2;
    const int first = arrangement_.rows[at(row)].first;
    const int end = row + 1 < rows ? arrangement_.rows[at(row + 1)].first : TileCount();
    int nearest = first;
    for (int tile = first; tile < end && arrangement_.positions[at(tile)].x() <= centre; ++tile)
        nearest = tile;
    return nearest;
}

} // namespace quillox::widgets
