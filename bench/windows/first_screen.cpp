#include "first_screen.h"

#include "event_waiting.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

void waitForFirstScreen(const QTableView& grid, int resultRows) {
    const int rowHeight = std::max(1, grid.verticalHeader()->defaultSectionSize());
    const int screenRows = (grid.viewport()->height() + rowHeight - 1) / rowHeight;
    const int needed = std::min(resultRows, screenRows);
    processEventsUntil(
        [&] {
            const QAbstractItemModel& rows = *grid.model();
            if (rows.rowCount() < needed)
                return false;
            for (int row = 0; row < needed; ++row) {
                if (rows.data(rows.index(row, 0)).toString().isEmpty())
                    return false;
            }
            return true;
        },
        "the first screen of the grid's rows");
}
