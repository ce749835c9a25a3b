#pragma once

#include "widgets/captioned_image.h"
#include "widgets/flow_arrangement.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <vector>

namespace quillox::widgets {

// A panel of tiles (TCaptionedImage) that flow left to right and wrap into rows, with an inner
// padding of 3 pixels, scrolling down when they do not fit. A level can hold thousands of
// tiles: the panel places them all by their sizes, but makes tile widgets only for the rows in
// sight and gives them other tiles as it scrolls, so that showing a level costs what the rows
// in sight cost.
//
// The keyboard reaches the panel with Tab; the arrow keys, Home and End choose a tile, and
// Return, Enter or Space click it.
class TileFlowPanel : public QAbstractScrollArea {
    Q_OBJECT

public:
    struct Tile {
        QString caption;
        QImage picture;
        int tag = 0;
    };

    explicit TileFlowPanel(QWidget* parent = nullptr);

    // Replaces every tile, and goes back to the top.
    void SetTiles(std::vector<Tile> tiles);
    int TileCount() const { return static_cast<int>(tiles_.size()); }
    const Tile& TileAt(int index) const { return tiles_.at(static_cast<std::size_t>(index)); }

    // Scrolls the tile into sight and gives the widget that shows it.
    TCaptionedImage& ShowTile(int index);
    // The tile that the keyboard acts on.
    int CurrentTile() const { return current_; }

    // Runs with the widget of the tile clicked, or chosen from the keyboard.
    void SetOnTileClick(TCaptionedImage::ClickHandler handler) {
        onTileClick_ = std::move(handler);
    }

    // Its size comes from its owner, never from its tiles.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Measures every tile in the panel's font, then arranges them.
    void measure();
    // Places the tiles at the viewport's width and sets the scrolling range.
    void arrange();
    // Gives the rows in sight their widgets, taking back those of rows gone out of sight.
    void placeWidgets();
    TCaptionedImage& widgetFor(int tile);
    QRect tileRect(int tile) const;
    // Makes the tile current and runs the click handler with its widget.
    void clickTile(int tile);
    // Makes the tile the one the keyboard acts on, scrolled into sight.
    void setCurrent(int tile);
    // The tile beside the current one in the row above (-1) or below (+1).
    int tileInNextRow(int direction) const;

    std::vector<Tile> tiles_;
    std::vector<QSize> sizes_;
    FlowArrangement arrangement_;
    // Every tile widget made so far; a widget shows the tile of the same place in shownTile_,
    // or none (-1) and is hidden.
    std::vector<TCaptionedImage*> widgets_;
    std::vector<int> shownTile_;
    std::vector<int> widgetOfTile_;
    int current_ = -1;
    TCaptionedImage::ClickHandler onTileClick_;
};

} // namespace quillox::widgets
