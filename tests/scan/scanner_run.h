#pragma once

#include "fake_manager.h"
#include "scan/twain/twain_component.h"

#include <QImage>
#include <QList>

// The component on the scripted manager, with the events it fires recorded.
struct ScannerRun {
    ScannerRun();
    ~ScannerRun();
    ScannerRun(const ScannerRun&) = delete;
    ScannerRun& operator=(const ScannerRun&) = delete;

    // Loads, opens the manager, selects the source of that position through the stand-in
    // dialog, opens and enables it; then lets the event loop run until the source is disabled.
    void Acquire(int choice = 0);
    void RunEventsUntilDisabled();

    FakeManager fake;
    quillox::twain::TTwainComponent component;
    QList<QImage> images;
    QStringList events;
    QString error;
    bool cancelOnFirst = false;
};
