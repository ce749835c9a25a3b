#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace quillox::sane_manager {

// Lets the application's windows repaint while one of its calls waits for the scanner. Input
// stays queued, so that nothing the user does starts another call meanwhile.
void repaintWindows();

// Waits until ready() holds, repainting the windows every few hundredths of a second.
template <class Ready>
void waitRepainting(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
                    Ready ready) {
    while (!changed.wait_for(lock, std::chrono::milliseconds(20), ready)) {
        lock.unlock();
        repaintWindows();
        lock.lock();
    }
}

} // namespace quillox::sane_manager
