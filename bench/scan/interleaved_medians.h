#pragma once

#include "timing.h"

#include <vector>

// Medians in milliseconds of a measurement and of its baseline.
struct MedianPair {
    double measuredMs = 0;
    double baselineMs = 0;
};

// Takes the measurement and its baseline the given number of times each, the one first in one
// repetition and the other first in the next, so that a change of load on the machine touches
// both. Each callable times itself and answers milliseconds, so that its untimed preparation
// stays out of the figure.
template <typename Measured, typename Baseline>
MedianPair interleavedMedians(int repetitions, Measured&& measured, Baseline&& baseline) {
    std::vector<double> measuredMs, baselineMs;
    for (int i = 0; i < repetitions; ++i) {
        if (i % 2 == 0) {
            measuredMs.push_back(measured());
            baselineMs.push_back(baseline());
        } else {
            baselineMs.push_back(baseline());
            measuredMs.push_back(measured());
        }
    }
    return {median(measuredMs), median(baselineMs)};
}
