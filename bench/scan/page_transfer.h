#pragma once

#include "platform/device_independent_bitmap.h"
#include "scan/twain/twain_component.h"
#include "scripted_manager.h"

#include <QElapsedTimer>
#include <QString>

// The scanner component on the scripted manager, its source opened and scripted to deliver
// the A4 page by memory transfer in 64 KiB strips copied from a prebuilt image. The first
// transfer, made here, builds that image, so that no timed transfer pays for it.
class PageTransfer {
public:
    PageTransfer();
    ~PageTransfer();
    PageTransfer(const PageTransfer&) = delete;
    PageTransfer& operator=(const PageTransfer&) = delete;

    // Enables the source and lets it transfer one page: the milliseconds from enabling it
    // until the whole bitmap reaches OnTwainAcquire. Throws when the page did not arrive.
    double transferMs();
    // One more transfer, with a copy of its bitmap taken after the timing.
    quillox::platform::DeviceIndependentBitmap keptPage();

private:
    void transfer();

    ScriptedManager manager_;
    quillox::twain::TTwainComponent component_;
    quillox::twain::TTwainSource* source_ = nullptr;
    QElapsedTimer clock_;
    qint64 arrivedNs_ = -1;
    bool keep_ = false;
    quillox::platform::DeviceIndependentBitmap kept_;
    QString error_;
};
