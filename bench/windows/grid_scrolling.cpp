#include "grid_scrolling.h"

#include "timing.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

class PaintCount : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

ScrollFigures scrollThrough(QAbstractScrollArea& grid) {
    QScrollBar* bar = grid.verticalScrollBar();
    bar->setValue(bar->minimum());
    QCoreApplication::processEvents();
    PaintCount paints;
    grid.viewport()->installEventFilter(&paints);

    ScrollFigures figures;
    // The grid scrolls by rows: a page step is a page of rows.
    figures.rowsPerStep = bar->pageStep();
    std::vector<double> stepMs;
    for (int value = bar->minimum() + bar->pageStep(); bar->value() < bar->maximum();
         value += bar->pageStep()) {
        const int paintsBefore = paints.count;
        stepMs.push_back(secondsOf([&] {
                             bar->setValue(std::min(value, bar->maximum()));
                             QCoreApplication::processEvents();
                         }) *
                         1e3);
        figures.paintedSteps += paints.count > paintsBefore;
    }
    grid.viewport()->removeEventFilter(&paints);
    figures.steps = static_cast<int>(stepMs.size());
    if (!stepMs.empty()) {
        figures.medianMs = median(stepMs);
        figures.slowestMs = *std::max_element(stepMs.begin(), stepMs.end());
    }
    return figures;
}
