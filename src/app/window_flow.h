#pragma once

#include <QString>

namespace quillox::app {

// Connects what the windows ask for to the windows that answer: the whole table of which
// window follows which. Called once, when the nine instances are made.
void connectWindowFlow();

// A file to file, dropped on the main window or handed over by the desktop: the new document
// window takes it in place of the main window. Throws, with the new document window brought to
// the front, while that window holds another file half described.
void handOverFile(const QString& path);

// Another start of the program asks for this run: its visible windows come to the front as
// they are, or the main window shows when none is visible.
void bringRunToFront();

} // namespace quillox::app
