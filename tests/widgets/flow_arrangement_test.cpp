// Tiles flow left to right and wrap into rows like words on a page, and the rows in sight are
// found from the arrangement alone.
#include "widgets/flow_arrangement.h"

#include <gtest/gtest.h>
#include <tuple>

using quillox::widgets::arrangeInFlow;

namespace {

struct FlowCase {
    const char* name;
    std::vector<QSize> sizes;
    int width;
    std::vector<QPoint> positions;
    int height;
};

std::vector<QSize> tiles(int count, QSize size) {
    return std::vector<QSize>(static_cast<std::size_t>(count), size);
}

} // namespace

TEST(FlowArrangement, ItemsWrapWhenTheyWouldCrossTheRightEdge) {
    const std::vector<FlowCase> cases{
        {"nothing", {}, 946, {}, 0},
        // The browse window's panel holds nine 105-pixel tiles to a row.
        {"a full row",
         tiles(9, {105, 124}),
         946,
         {{0, 0}, {105, 0}, {210, 0}, {315, 0}, {420, 0}, {525, 0}, {630, 0}, {735, 0}, {840, 0}},
         124},
        {"touching the edge", tiles(3, {10, 5}), 20, {{0, 0}, {10, 0}, {0, 5}}, 10},
        {"rows as high as their highest",
         {{10, 5}, {10, 9}, {10, 4}, {10, 2}},
         20,
         {{0, 0}, {10, 0}, {0, 9}, {10, 9}},
         13},
        {"an item wider than the area stands alone",
         {{10, 5}, {30, 5}, {10, 5}},
         20,
         {{0, 0}, {0, 5}, {0, 10}},
         15},
        {"an area narrower than any item", tiles(2, {10, 5}), 0, {{0, 0}, {0, 5}}, 10},
    };
    for (const FlowCase& flow : cases) {
        SCOPED_TRACE(flow.name);
        const auto arranged = arrangeInFlow(flow.sizes, flow.width);
        EXPECT_EQ(arranged.positions, flow.positions);
        EXPECT_EQ(arranged.height, flow.height);
    }
}

TEST(FlowArrangement, TheItemsAcrossABandAreThoseOfTheRowsItMeets) {
    // Rows of two: 0-1 at 0 (height 10), 2-3 at 10 (20), 4 at 30 (10).
    const auto arranged = arrangeInFlow({{10, 10}, {10, 5}, {10, 20}, {10, 20}, {10, 10}}, 20);
    const std::vector<std::tuple<int, int, std::pair<int, int>>> bands{
        {0, 10, {0, 2}},  {0, 11, {0, 4}},  {9, 10, {0, 2}}, {10, 30, {2, 4}}, {29, 31, {2, 5}},
        {35, 90, {4, 5}}, {40, 90, {0, 0}}, {-5, 0, {0, 0}}, {-5, 1, {0, 2}},  {0, 100, {0, 5}},
    };
    for (const auto& [top, bottom, items] : bands) {
        SCOPED_TRACE(testing::Message() << top << " to " << bottom);
        EXPECT_EQ(arranged.itemsAcross(top, bottom), items);
    }
    const std::vector<int> rows{0, 0, 1, 1, 2};
    for (int item = 0; item < 5; ++item)
        EXPECT_EQ(arranged.rowOf(item), rows[static_cast<std::size_t>(item)]) << item;
}
