#include "sane_manager/sane_devices.h"

#include <sane/sane.h>

namespace quillox::sane_manager {
namespace {

std::string text(const char* value) {
    return value ? std::string(value) : std::string();
}

} // namespace

bool SaneSession::Start() {
    if (!started_) {
        SANE_Int version = 0;
        started_ = sane_init(&version, nullptr) == SANE_STATUS_GOOD;
    }
    return started_;
}

void SaneSession::Stop() {
    if (started_)
        sane_exit();
    started_ = false;
    devices_.clear();
}

const std::vector<SaneDevice>& SaneSession::ListDevices() {
    devices_.clear();
    const SANE_Device** list = nullptr;
    if (started_ && sane_get_devices(&list, SANE_FALSE) == SANE_STATUS_GOOD && list) {
        for (const SANE_Device** device = list; *device; ++device)
            devices_.push_back({text((*device)->name), text((*device)->vendor),
                                text((*device)->model), text((*device)->type)});
    }
    return devices_;
}

} // namespace quillox::sane_manager
