#include "platform/background_sha256.h"

namespace quillox::platform {

void BackgroundSha256::add(const char* bytes, std::size_t count) {
    if (!firstAdded_) {
        firstAdded_ = true;
        hash_.add(bytes, count);
        return;
    }
    if (!worker_.joinable())
        worker_ = std::jthread([this](std::stop_token stop) { hashPending(stop); });
    std::unique_lock lock(lock_);
    waitUntilIdle(lock);
    pending_ = bytes;
    pendingCount_ = count;
    changed_.notify_all();
}

std::string BackgroundSha256::hexDigest() {
    if (worker_.joinable()) {
        std::unique_lock lock(lock_);
        waitUntilIdle(lock);
    }
    return hash_.hexDigest();
}

void BackgroundSha256::waitUntilIdle(std::unique_lock<std::mutex>& lock) {
    changed_.wait(lock, [this] { return pending_ == nullptr; });
    if (failure_)
        std::rethrow_exception(failure_);
}

void BackgroundSha256::hashPending(std::stop_token stop) {
    std::unique_lock lock(lock_);
    while (changed_.wait(lock, stop, [this] { return pending_ != nullptr; })) {
        lock.unlock();
        try {
            hash_.add(pending_, pendingCount_);
        } catch (...) {
            failure_ = std::current_exception();
        }
        lock.lock();
        pending_ = nullptr;
        changed_.notify_all();
    }
}

} // namespace quillox::platform
