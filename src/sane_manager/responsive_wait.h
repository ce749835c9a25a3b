#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace quillox::sane_manager {

// Lets the application's windows repaint, and a modal dialog take input, while one of its
// calls waits for the scanner. Other input stays queued, so that nothing the user does starts
// another call meanwhile.
void keepWindowsResponding();

// Waits until ready() holds, keeping the windows responding every few hundredths of a second.
template <class Ready>
void waitResponding(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
                    Ready ready) {
    while (!changed.wait_for(lock, std::chrono::milliseconds(20), ready)) {
        lock.unlock();
        keepWindowsResponding();
        lock.lock();
    }
}

} // namespace quillox::sane_manager
