#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace quillox::care {

// Calls work(i) for every i below count, on as many threads as the processor has cores (four at
// most: the work is copying and hashing files, which more threads than that do not speed up),
// each taking the next index when done with one. The first exception keeps the threads from
// taking more, and is thrown once they have all stopped.
template <typename Work> void forEachInParallel(std::size_t count, Work&& work) {
    const std::size_t threads =
        std::min<std::size_t>({std::max(1U, std::thread::hardware_concurrency()), 4, count});
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto run = [&] {
        for (std::size_t i = next++; i < count && !stop; i = next++) {
            try {
                work(i);
            } catch (...) {
                const std::lock_guard guard(failureLock);
                if (!failure)
                    failure = std::current_exception();
                stop = true;
            }
        }
    };
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < threads; ++i)
        helpers.emplace_back(run);
    run();
    helpers.clear();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace quillox::care
