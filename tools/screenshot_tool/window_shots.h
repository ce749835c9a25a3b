#pragma once

#include <QString>

namespace quillox::screenshots {

class ShotTaker;

// Each reaches its windows as the user does, from the main window, fills them with sample
// input, saves their pictures and leaves the main window showing alone. They throw
// std::runtime_error when a window cannot be brought into the state its picture shows.

// main.png, about.png, scan_preview.png (waiting) and scan_page.png (a page delivered).
void shootStartWindows(const ShotTaker& shots);

// new_document.png for the page at pagePath, and new_folder.png.
void shootFilingWindows(const ShotTaker& shots, const QString& pagePath);

// browse_top.png, browse_folder.png, move.png and search_results.png.
void shootRetrievalWindows(const ShotTaker& shots);

} // namespace quillox::screenshots
