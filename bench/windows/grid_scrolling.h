#pragma once

class QAbstractScrollArea;

struct ScrollFigures {
    int steps = 0;
    int rowsPerStep = 0;
    int paintedSteps = 0; // steps after which the rows were painted: all of them, or the figures
                          // leave out the drawing
    double medianMs = 0;
    double slowestMs = 0;
};

// Scrolls a shown grid from its top to its bottom a page at a time, each step until the new
// rows are painted, and times every step.
ScrollFigures scrollThrough(QAbstractScrollArea& grid);
