#pragma once

class QTableView;

// Runs the event loop until the grid holds the rows of its first screen, each with the text of
// its first column: as many rows as its viewport shows, or every row of the result when there
// are fewer. The result's number of rows comes from its baseline.
void waitForFirstScreen(const QTableView& grid, int resultRows);
