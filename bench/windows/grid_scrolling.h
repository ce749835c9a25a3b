#pragma once

class QAbstractScrollArea;

struct ScrollFigures {
    int rows = 0; // the grid's rows
    int rowsPerStep = 0;
    int pagesPerTimedStep = 0; // 1 when every step is timed
    int steps = 0;             // timed
    int paintedSteps = 0;      // timed steps after which the rows were painted: all of them, or the
                               // figures leave out the drawing
    double medianMs = 0;
    double slowestMs = 0;
};

// Scrolls a shown grid of that many rows from its top to its bottom a page at a time, each
// step until the new rows are painted, and times the steps: every one, or of a long grid 200
// spread evenly over it, the grid moved on between them untimed.
ScrollFigures scrollThrough(QAbstractScrollArea& grid, int rows);
