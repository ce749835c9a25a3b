#include "plain_copy.h"

#include "a4_page.h"

#include <QElapsedTimer>
#include <cstring>

namespace {

double msSince(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

PlainCopy::PlainCopy() : from_(a4Page::pixelBytes), to_(a4Page::pixelBytes, 1) {
    for (std::size_t i = 0; i < from_.size(); ++i)
        from_[i] = std::uint8_t(i * 7);
}

double PlainCopy::copyMs() {
    QElapsedTimer clock;
    clock.start();
    std::memcpy(to_.data(), from_.data(), to_.size());
    return msSince(clock);
}

double PlainCopy::freshCopyMs() {
    fresh_.reset();
    QElapsedTimer clock;
    clock.start();
    fresh_.reset(new std::uint8_t[a4Page::pixelBytes]);
    std::memcpy(fresh_.get(), from_.data(), a4Page::pixelBytes);
    return msSince(clock);
}
