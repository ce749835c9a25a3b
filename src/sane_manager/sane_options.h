#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillox::sane_manager {

// The options of an open SANE device, read by their well-known names.
class SaneOptions {
public:
    explicit SaneOptions(void* handle) : handle_(handle) {}

    // A number option (integer or fixed point), such as "resolution".
    std::optional<double> Number(const char* name) const;
    // A text option, such as "mode" or "source".
    std::optional<std::string> Text(const char* name) const;
    // The texts a text option may take.
    std::vector<std::string> Choices(const char* name) const;

private:
    int Find(const char* name) const;

    void* handle_;
};

} // namespace quillox::sane_manager
