#pragma once

#include "sane_manager/sane_devices.h"

#include <optional>
#include <vector>

namespace quillox::sane_manager {

// The manager's own selection dialog: the devices listed by vendor, model and name, the given
// one chosen at first. The position taken, or -1 when the user cancels; none when the
// application has no widgets to show a dialog with.
std::optional<int> chooseDevice(const std::vector<SaneDevice>& devices, int preselected);

} // namespace quillox::sane_manager
