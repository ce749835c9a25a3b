#include "widgets/flow_arrangement.h"

#include <algorithm>

namespace quillox::widgets {

FlowArrangement arrangeInFlow(const std::vector<QSize>& sizes, int width) {
    FlowArrangement result;
    result.positions.reserve(sizes.size());
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const QSize size = sizes[i];
        if (x > 0 && x + size.width() > width) {
            y += rowHeight;
            x = 0;
            rowHeight = 0;
        }
        if (x == 0)
            result.rows.push_back({static_cast<int>(i), y, 0});
        result.positions.emplace_back(x, y);
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
        result.rows.back().height = rowHeight;
    }
    result.height = y + rowHeight;
    return result;
}

std::pair<int, int> FlowArrangement::itemsAcross(int top, int bottom) const {
    // The first row that ends below the band's top, and the first that starts at its bottom.
    const auto begin = std::partition_point(
        rows.begin(), rows.end(), [top](const Row& row) { return row.top + row.height <= top; });
    const auto end = std::partition_point(begin, rows.end(),
                                          [bottom](const Row& row) { return row.top < bottom; });
    if (begin == end)
        return {0, 0};
    const int last = end == rows.end() ? static_cast<int>(positions.size()) : end->first;
    return {begin->first, last};
}

int FlowArrangement::rowOf(int item) const {
    const auto after = std::partition_point(rows.begin(), rows.end(),
                                            [item](const Row& row) { return row.first <= item; });
    return static_cast<int>(after - rows.begin()) - 1;
}

} // namespace quillox::widgets
