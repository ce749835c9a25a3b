#pragma once

#include <string>
#include <vector>

namespace quillox::sane_manager {

// A scanner as SANE lists it.
struct SaneDevice {
    std::string name; // what sane_open takes, such as "test:0"
    std::string vendor;
    std::string model;
    std::string type;
};

// SANE's session: initialised while the manager is open, with the devices it lists.
class SaneSession {
public:
    // False when SANE cannot be initialised.
    bool Start();
    void Stop();
    bool Started() const { return started_; }

    // Asks SANE for its devices afresh; local and network ones alike.
    const std::vector<SaneDevice>& ListDevices();
    const std::vector<SaneDevice>& Devices() const { return devices_; }

private:
    bool started_ = false;
    std::vector<SaneDevice> devices_;
};

} // namespace quillox::sane_manager
