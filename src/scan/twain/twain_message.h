#pragma once

#include <QPoint>
#include <cstdint>

namespace quillox::twain {

// The platform message record handed to a source through MSG_PROCESSEVENT: the window, the
// message number and parameters, the time and the pointer's position.
struct TwainMessage {
    void* window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    std::uint32_t time;
    QPoint point;
};

} // namespace quillox::twain
