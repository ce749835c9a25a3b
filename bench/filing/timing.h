#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

// Wall-clock seconds that an action takes.
template <typename Action> double secondsOf(Action&& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
