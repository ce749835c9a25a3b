#include "sane_manager/scan_run.h"

#include "sane_manager/responsive_wait.h"
#include "sane_manager/row_converter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace quillox::sane_manager {

namespace {

// What one sane_read may return: enough that a fast device is read in few calls.
constexpr std::size_t readSize = 256 * 1024;

// A three-pass scanner's frames, red, green and blue rows of one byte a pixel, as one colour
// page's rows.
std::vector<std::uint8_t> interleave(const std::array<std::vector<std::uint8_t>, 3>& planes,
                                     const PageForm& form) {
    PageForm gray = form;
    gray.bitsPerPixel = 8;
    const std::size_t planeStride = gray.stride();
    const std::size_t stride = form.stride();
    const std::size_t rows = planes[0].size() / planeStride;
    std::vector<std::uint8_t> page(rows * stride, 0);
    for (std::size_t row = 0; row < rows; ++row)
        for (std::size_t x = 0; x < std::size_t(form.width); ++x)
            for (std::size_t colour = 0; colour < 3; ++colour)
                page[row * stride + 3 * x + colour] = planes[colour][row * planeStride + x];
    return page;
}

} // namespace

ScanRun::ScanRun(SANE_Handle handle, bool feeder, double resolution, std::function<void()> announce)
    : handle_(handle), feeder_(feeder), resolution_(resolution), announce_(std::move(announce)),
      thread_([this] { run(); }) {}

ScanRun::~ScanRun() {
    cancel();
    thread_.join();
}

void ScanRun::run() {
    for (;;) {
        const SANE_Status status = readPage();
        std::unique_lock lock(mutex_);
        if (status != SANE_STATUS_GOOD) {
            status_ = status;
            over_ = true;
            changed_.notify_all();
            lock.unlock();
            announce_();
            break;
        }
        if (form_.height < 0)
            form_.height = int(rowsArrived_);
        pageRead_ = true;
        over_ = !feeder_;
        changed_.notify_all();
        if (over_)
            break;
        changed_.wait(lock, [this] { return nextWanted_ || stopping_; });
        if (stopping_)
            break;
        nextWanted_ = false;
    }
    // SANE goes back to idle only when told, after the last page as after a failure.
    sane_cancel(handle_);
}

SANE_Status ScanRun::readPage() {
    std::array<std::vector<std::uint8_t>, 3> planes;
    PageForm colour;
    for (int frame = 0;; ++frame) {
        if (stopping())
            return SANE_STATUS_CANCELLED;
        SANE_Status status = sane_start(handle_);
        SANE_Parameters parameters{};
        if (status == SANE_STATUS_GOOD)
            status = sane_get_parameters(handle_, &parameters);
        if (status != SANE_STATUS_GOOD)
            return status;
        std::optional<RowConverter> converter = RowConverter::For(parameters, resolution_);
        if (!converter)
            return SANE_STATUS_INVAL;
        const int frameKind = frameOf(parameters);
        if (frameKind == SANE_FRAME_GRAY || frameKind == SANE_FRAME_RGB) {
            if (frame > 0)
                return SANE_STATUS_INVAL;
            publish(converter->Form());
            return readFrame(*converter, nullptr);
        }
        // A three-pass scanner: one frame for each colour, in any order.
        if (frame == 0) {
            colour = converter->Form();
            colour.pixelType = twain::TWPT_RGB;
            colour.bitsPerPixel = 24;
            publish(colour);
        } else if (converter->Form().width != colour.width || frame > 2) {
            return SANE_STATUS_INVAL;
        }
        if (const SANE_Status read =
                readFrame(*converter, &planes[std::size_t(frameKind - SANE_FRAME_RED)]);
            read != SANE_STATUS_GOOD)
            return read;
        if (parameters.last_frame)
            break;
    }
    const std::size_t size = planes[0].size();
    if (size == 0 || planes[1].size() != size || planes[2].size() != size)
        return SANE_STATUS_INVAL;
    addRows(interleave(planes, colour));
    return SANE_STATUS_GOOD;
}

SANE_Status ScanRun::readFrame(RowConverter& converter, std::vector<std::uint8_t>* plane) {
    std::vector<std::uint8_t> buffer(readSize);
    for (;;) {
        if (stopping())
            return SANE_STATUS_CANCELLED;
        SANE_Int length = 0;
        const SANE_Status status =
            sane_read(handle_, buffer.data(), SANE_Int(buffer.size()), &length);
        if (status == SANE_STATUS_EOF)
            return SANE_STATUS_GOOD;
        if (status != SANE_STATUS_GOOD)
            return status;
        if (length < 0 || std::size_t(length) > buffer.size())
            return SANE_STATUS_INVAL;
        if (plane) {
            converter.Push(buffer.data(), std::size_t(length), *plane);
        } else {
            std::vector<std::uint8_t> rows;
            rows.reserve(std::size_t(length) + converter.Form().stride());
            converter.Push(buffer.data(), std::size_t(length), rows);
            if (!rows.empty())
                addRows(std::move(rows));
        }
    }
}

void ScanRun::publish(const PageForm& form) {
    {
        std::lock_guard lock(mutex_);
        form_ = form;
        formKnown_ = true;
        rowsArrived_ = 0;
        changed_.notify_all();
    }
    announce_();
}

void ScanRun::addRows(std::vector<std::uint8_t> rows) {
    std::lock_guard lock(mutex_);
    const std::size_t stride = form_.stride();
    std::size_t count = rows.size() / stride;
    // Rows past the height the device gave are dropped.
    if (form_.height >= 0)
        count = std::min(count, std::size_t(form_.height) -
                                    std::min(std::size_t(form_.height), rowsArrived_));
    if (count == 0)
        return;
    rows.resize(count * stride);
    rowsArrived_ += count;
    rows_.push_back(std::move(rows));
    changed_.notify_all();
}

bool ScanRun::stopping() {
    std::lock_guard lock(mutex_);
    return stopping_;
}

bool ScanRun::pageStarted() const {
    std::lock_guard lock(mutex_);
    return formKnown_;
}

SANE_Status ScanRun::stoppedBeforePage() const {
    std::lock_guard lock(mutex_);
    return formKnown_ ? SANE_STATUS_GOOD : status_;
}

bool ScanRun::pageComplete() const {
    return pageRead_ || (form_.height >= 0 && rowsTaken_ >= std::size_t(form_.height));
}

SANE_Status ScanRun::waitForm(PageForm& form, bool wholeHeight) {
    std::unique_lock lock(mutex_);
    waitResponding(lock, changed_, [&] {
        return (formKnown_ && (!wholeHeight || form_.height >= 0)) || over_ || stopping_;
    });
    if (stopping_)
        return SANE_STATUS_CANCELLED;
    if (!formKnown_ || (form_.height < 0 && wholeHeight))
        return status_ != SANE_STATUS_GOOD ? status_ : SANE_STATUS_INVAL;
    form = form_;
    return SANE_STATUS_GOOD;
}

SANE_Status ScanRun::take(std::uint8_t* into, std::size_t max, Strip& strip) {
    std::size_t written = 0;
    std::unique_lock lock(mutex_);
    strip.firstRow = rowsTaken_;
    waitResponding(lock, changed_,
                   [&] { return !rows_.empty() || pageComplete() || over_ || stopping_; });
    if (stopping_)
        return SANE_STATUS_CANCELLED;
    if (rows_.empty() && !pageComplete())
        return status_ != SANE_STATUS_GOOD ? status_ : SANE_STATUS_INVAL;
    const std::size_t stride = form_.stride();
    while (!rows_.empty() && max - written >= stride) {
        std::vector<std::uint8_t>& front = rows_.front();
        const std::size_t taken = std::min(front.size(), (max - written) / stride * stride);
        std::memcpy(into + written, front.data(), taken);
        written += taken;
        rowsTaken_ += taken / stride;
        if (taken == front.size())
            rows_.pop_front();
        else
            front.erase(front.begin(), front.begin() + std::ptrdiff_t(taken));
    }
    strip.bytes = written;
    strip.last = rows_.empty() && pageComplete();
    return SANE_STATUS_GOOD;
}

ScanRun::Next ScanRun::nextPage() {
    std::unique_lock lock(mutex_);
    // The last row may be taken before the device has said that the page ended.
    if (pageComplete())
        waitResponding(lock, changed_, [this] { return pageRead_ || over_ || stopping_; });
    // A page ended before its last row, or the last page: nothing follows. A failure on the
    // way was the transfer's to report.
    if (!pageRead_ || over_) {
        lock.unlock();
        cancel();
        return Next::None;
    }
    formKnown_ = false;
    pageRead_ = false;
    rows_.clear();
    rowsArrived_ = rowsTaken_ = 0;
    nextWanted_ = true;
    changed_.notify_all();
    waitResponding(lock, changed_, [this] { return formKnown_ || over_ || stopping_; });
    if (formKnown_)
        return Next::Started;
    // An empty feeder ends the run as it should; anything else is an error to report.
    return status_ == SANE_STATUS_NO_DOCS || stopping_ ? Next::None : Next::Failed;
}

void ScanRun::cancel() {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    changed_.notify_all();
}

} // namespace quillox::sane_manager
