#include "sane_options.h"

#include <cstring>
#include <sane/sane.h>

namespace quillox::sane_manager {

int SaneOptions::Find(const char* name) const {
    for (SANE_Int i = 1;; ++i) {
        const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, i);
        if (!option)
            return -1;
        if (option->name && std::strcmp(option->name, name) == 0 &&
            SANE_OPTION_IS_ACTIVE(option->cap))
            return i;
    }
}

std::optional<double> SaneOptions::Number(const char* name) const {
    const int index = Find(name);
    if (index < 0)
        return std::nullopt;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, index);
    if ((option->type != SANE_TYPE_INT && option->type != SANE_TYPE_FIXED) ||
        option->size != SANE_Int(sizeof(SANE_Word)))
        return std::nullopt;
    SANE_Word value = 0;
    if (sane_control_option(handle_, index, SANE_ACTION_GET_VALUE, &value, nullptr) !=
        SANE_STATUS_GOOD)
        return std::nullopt;
    return option->type == SANE_TYPE_FIXED ? SANE_UNFIX(value) : double(value);
}

std::optional<std::string> SaneOptions::Text(const char* name) const {
    const int index = Find(name);
    if (index < 0)
        return std::nullopt;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, index);
    if (option->type != SANE_TYPE_STRING || option->size <= 0)
        return std::nullopt;
    std::vector<char> value(std::size_t(option->size) + 1, '\0');
    if (sane_control_option(handle_, index, SANE_ACTION_GET_VALUE, value.data(), nullptr) !=
        SANE_STATUS_GOOD)
        return std::nullopt;
    return std::string(value.data());
}

std::vector<std::string> SaneOptions::Choices(const char* name) const {
    std::vector<std::string> choices;
    const int index = Find(name);
    if (index < 0)
        return choices;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, index);
    if (option->constraint_type == SANE_CONSTRAINT_STRING_LIST) {
        for (const SANE_String_Const* choice = option->constraint.string_list; *choice; ++choice)
            choices.emplace_back(*choice);
    }
    return choices;
}

} // namespace quillox::sane_manager
