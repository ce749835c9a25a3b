#include "grid_scrolling.h"

#include "timing.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int mostTimedSteps = 200;

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

ScrollFigures scrollThrough(QAbstractScrollArea& grid, int rows) {
    QScrollBar* bar = grid.verticalScrollBar();
    bar->setValue(bar->minimum());
    QCoreApplication::processEvents();
    PaintCount paints;
    grid.viewport()->installEventFilter(&paints);

    ScrollFigures figures;
    figures.rows = rows;
    // The grid scrolls by rows: a page step is a page of rows.
    figures.rowsPerStep = std::max(1, bar->pageStep());
    const int pages = (rows + figures.rowsPerStep - 1) / figures.rowsPerStep;
    figures.pagesPerTimedStep = (pages + mostTimedSteps - 1) / mostTimedSteps;
    std::vector<double> stepMs;
    // The bar's end is read again at every step: a grid may grow as it is scrolled.
    while (bar->value() < bar->maximum()) {
        const int paintsBefore = paints.count;
        stepMs.push_back(secondsOf([&] {
                             bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
                             QCoreApplication::processEvents();
                         }) *
                         1e3);
        figures.paintedSteps += paints.count > paintsBefore;
        if (figures.pagesPerTimedStep > 1) {
            bar->setValue(bar->value() + (figures.pagesPerTimedStep - 1) * bar->pageStep());
            QCoreApplication::processEvents();
        }
    }
    grid.viewport()->removeEventFilter(&paints);
    figures.steps = static_cast<int>(stepMs.size());
    if (!stepMs.empty()) {
        figures.medianMs = median(stepMs);
        figures.slowestMs = *std::max_element(stepMs.begin(), stepMs.end());
    }
    return figures;
}
