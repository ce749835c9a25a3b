#include "startup_timing.h"

#include "first_paint_run.h"
#include "timing.h"

#include <stdexcept>
#include <vector>

namespace {

FirstPaint startOnce(const std::string& program, const std::string& reportLibrary,
                     const std::string& expectedWindow) {
    FirstPaint paint = runUntilFirstPaint(program, reportLibrary);
    if (paint.windowClass != expectedWindow) {
        throw std::runtime_error(program + " painted " + paint.windowClass + " first, not " +
                                 expectedWindow);
    }
    return paint;
}

} // namespace

StartupFigures compareStartup(const std::string& program, const std::string& plainWindow,
                              const std::string& reportLibrary, int repetitions) {
    const auto startProgram = [&] {
        return startOnce(program, reportLibrary, "quillox::app::TfMain");
    };
    const auto startPlain = [&] { return startOnce(plainWindow, reportLibrary, "QWidget"); };
    // Untimed first starts, so that both find the libraries, fonts and store in the page cache.
    startProgram();
    startPlain();

    std::vector<double> programMs, plainMs;
    std::vector<double> programKb, plainKb;
    const auto timeProgram = [&] {
        const FirstPaint paint = startProgram();
        programMs.push_back(paint.seconds * 1e3);
        programKb.push_back(static_cast<double>(paint.peakKb));
    };
    const auto timePlain = [&] {
        const FirstPaint paint = startPlain();
        plainMs.push_back(paint.seconds * 1e3);
        plainKb.push_back(static_cast<double>(paint.peakKb));
    };
    for (int i = 0; i < repetitions; ++i) {
        if (i % 2 == 0) {
            timeProgram();
            timePlain();
        } else {
            timePlain();
            timeProgram();
        }
    }
    return {repetitions, median(programMs), median(plainMs), static_cast<long>(median(programKb)),
            static_cast<long>(median(plainKb))};
}
