#pragma once

#include <QListWidget>

namespace quillox::widgets {

// A grid of icons without captions in fixed cells, left to right and top to bottom, scrolling
// vertically. At most one icon is selected.
class IconGrid : public QListWidget {
    Q_OBJECT

public:
    IconGrid(QSize iconSize, QSize cellSize, QWidget* parent = nullptr);

    void AddIcon(const QImage& image);
    // The selected icon's index, or -1 when none is selected.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);
};

} // namespace quillox::widgets
