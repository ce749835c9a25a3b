#pragma once

#include <QObject>
#include <QString>
#include <cstdio>
#include <cstdlib>

// The window's control of that designed name ("dbgFiles", "iOkButton"). Windows keep their
// controls to themselves; tests and tools find them by name, as a user finds them by sight. A
// missing control ends the program, since every step after it would fail for that reason.
template <typename Control> Control* control(const QObject* window, const char* name) {
    auto* found = window->findChild<Control*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "%s has no control %s\n", qPrintable(window->objectName()), name);
        std::abort();
    }
    return found;
}
