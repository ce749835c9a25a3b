#pragma once

#include <QPoint>
#include <QSize>
#include <utility>
#include <vector>

namespace quillox::widgets {

// Where items of these sizes go when they flow left to right in their order and wrap into rows
// like words on a page, in an area of that width: an item goes on the next row when it would
// cross the right edge, unless it is the first of its row. Rows are as high as their highest
// item, and items stand at the top of their row. Positions are relative to the area's corner.
struct FlowArrangement {
    std::vector<QPoint> positions;
    // The index of each row's first item, and the row's top and height.
    struct Row {
        int first;
        int top;
        int height;
    };
    std::vector<Row> rows;
    int height = 0;

    // The first and one past the last item of the rows that meet the band from top to bottom
    // (bottom excluded); an empty range when none does.
    std::pair<int, int> itemsAcross(int top, int bottom) const;
    // The row that holds the item.
    int rowOf(int item) const;
};

FlowArrangement arrangeInFlow(const std::vector<QSize>& sizes, int width);

} // namespace quillox::widgets
