#pragma once

#include "app/quillox_application.h"

#include <QStringList>

// The program's windows and data module made as its start-up makes them, on the store that
// HOME points at, with the main window shown. Errors the windows report are printed and kept
// instead of shown in boxes that would wait for a click.
class WindowsSession {
public:
    explicit WindowsSession(quillox::app::QuilloxApplication& application);
    ~WindowsSession();
    WindowsSession(const WindowsSession&) = delete;
    WindowsSession& operator=(const WindowsSession&) = delete;

    // Throws std::runtime_error when any error was reported: the figures would then be of
    // work that did not happen.
    void throwIfReported() const;

private:
    quillox::app::QuilloxApplication& application_;
    QStringList errors_;
};
