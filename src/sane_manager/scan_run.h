#pragma once

#include "sane_manager/page_form.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <sane/sane.h>
#include <thread>
#include <vector>

namespace quillox::sane_manager {

// One scan on a thread of its own, so that SANE's blocking calls never hold up the windows. It
// starts the device at once and keeps each page's rows as SANE delivers them; the transfers
// take them on the application's thread, waiting where they must. A feeder's next page is
// started only when the application asks for it.
class ScanRun {
public:
    // announce is called, from the scan's thread, when a page has started and when the run
    // stops with an error.
    ScanRun(SANE_Handle handle, bool feeder, double resolution, std::function<void()> announce);
    ~ScanRun();
    ScanRun(const ScanRun&) = delete;
    ScanRun& operator=(const ScanRun&) = delete;

    // Without waiting: whether the page in hand has started.
    bool pageStarted() const;
    // Without waiting: what stopped the run before its page started, or SANE_STATUS_GOOD.
    SANE_Status stoppedBeforePage() const;

    // The page's form, waiting for it to start and, with wholeHeight, until its height is known.
    SANE_Status waitForm(PageForm& form, bool wholeHeight);
    struct Strip {
        std::size_t bytes = 0;
        std::size_t firstRow = 0;
        bool last = false; // the page's last row is taken
    };
    // Whole rows, at most max bytes of them, waiting for at least one.
    SANE_Status take(std::uint8_t* into, std::size_t max, Strip& strip);

    enum class Next { None, Started, Failed };
    // Drops what is left of the page in hand and, from a feeder, starts the next one. Failed
    // means it did not start for an error, which the next transfer reports.
    Next nextPage();
    // Stops the scan once the device's read in hand returns; the scan's thread, not this one,
    // tells SANE. Later waits end with SANE_STATUS_CANCELLED.
    void cancel();

private:
    void run();
    SANE_Status readPage();
    SANE_Status readFrame(class RowConverter& converter, std::vector<std::uint8_t>* plane);
    void publish(const PageForm& form);
    void addRows(std::vector<std::uint8_t> rows);
    bool stopping();
    bool pageComplete() const;

    SANE_Handle handle_;
    bool feeder_;
    double resolution_;
    std::function<void()> announce_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool formKnown_ = false;
    PageForm form_;
    std::deque<std::vector<std::uint8_t>> rows_; // arrived, not taken yet
    std::size_t rowsArrived_ = 0;
    std::size_t rowsTaken_ = 0;
    bool pageRead_ = false;
    bool over_ = false; // no page follows the one in hand
    bool nextWanted_ = false;
    bool stopping_ = false;
    SANE_Status status_ = SANE_STATUS_GOOD;
    std::thread thread_;
};

} // namespace quillox::sane_manager
