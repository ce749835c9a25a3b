#pragma once

#include "timing.h"

#include <vector>

// Medians in milliseconds of an action and of its baseline.
struct PairMedians {
    double actionMs = 0;
    double baselineMs = 0;
};

// Times the action and its baseline the given number of times each, the one first in one
// repetition and the other first in the next, so that a change of load on the machine touches
// both. Before each timing, untimed, comes the same preparation.
template <typename Prepare, typename Action, typename Baseline>
PairMedians alternatingMedians(int repetitions, Prepare&& prepare, Action&& action,
                               Baseline&& baseline) {
    std::vector<double> actionMs, baselineMs;
    const auto timeAction = [&] {
        prepare();
        actionMs.push_back(secondsOf(action) * 1e3);
    };
    const auto timeBaseline = [&] {
        prepare();
        baselineMs.push_back(secondsOf(baseline) * 1e3);
    };
    for (int i = 0; i < repetitions; ++i) {
        if (i % 2 == 0) {
            timeAction();
            timeBaseline();
        } else {
            timeBaseline();
            timeAction();
        }
    }
    return {median(actionMs), median(baselineMs)};
}
