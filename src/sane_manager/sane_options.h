#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillox::sane_manager {

// The limits of a number option that takes any value in a range.
struct NumberRange {
    double minimum;
    double maximum;
    double step; // 0 when any value between is taken
};

// The options of an open SANE device, read and set by their well-known names. Inactive
// options count as missing.
class SaneOptions {
public:
    explicit SaneOptions(void* handle) : handle_(handle) {}

    bool has(const char* name) const { return find(name) >= 0; }

    // A number option (integer or fixed point), such as "resolution".
    std::optional<double> number(const char* name) const;
    // The values a number option takes from a list, or its range.
    std::vector<double> numberChoices(const char* name) const;
    std::optional<NumberRange> range(const char* name) const;
    // Whether a number option counts in millimetres, as scan areas mostly do.
    bool inMillimetres(const char* name) const;
    // False when the device refuses the value.
    bool setNumber(const char* name, double value) const;

    // A text option, such as "mode" or "source".
    std::optional<std::string> text(const char* name) const;
    // The texts a text option may take.
    std::vector<std::string> choices(const char* name) const;
    bool setText(const char* name, const std::string& value) const;

private:
    int find(const char* name) const;
    // A single-valued integer or fixed point option, or -1.
    int findNumber(const char* name) const;

    void* handle_;
};

} // namespace quillox::sane_manager
