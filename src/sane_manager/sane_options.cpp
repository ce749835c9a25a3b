#include "sane_manager/sane_options.h"

#include <cmath>
#include <cstring>
#include <sane/sane.h>

namespace quillox::sane_manager {
namespace {

double fromWord(const SANE_Option_Descriptor& option, SANE_Word word) {
    return option.type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : double(word);
}

} // namespace

int SaneOptions::find(const char* name) const {
    for (SANE_Int i = 1;; ++i) {
        const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, i);
        if (!option)
            return -1;
        if (option->name && std::strcmp(option->name, name) == 0 &&
            SANE_OPTION_IS_ACTIVE(option->cap))
            return i;
    }
}

int SaneOptions::findNumber(const char* name) const {
    const int index = find(name);
    if (index < 0)
        return -1;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, index);
    if ((option->type != SANE_TYPE_INT && option->type != SANE_TYPE_FIXED) ||
        option->size != SANE_Int(sizeof(SANE_Word)))
        return -1;
    return index;
}

std::optional<double> SaneOptions::number(const char* name) const {
    const int index = findNumber(name);
    if (index < 0)
        return std::nullopt;
    SANE_Word value = 0;
    if (sane_control_option(handle_, index, SANE_ACTION_GET_VALUE, &value, nullptr) !=
        SANE_STATUS_GOOD)
        return std::nullopt;
    return fromWord(*sane_get_option_descriptor(handle_, index), value);
}

std::vector<double> SaneOptions::numberChoices(const char* name) const {
    std::vector<double> choices;
    const int index = findNumber(name);
    if (index < 0)
        return choices;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, index);
    if (option->constraint_type == SANE_CONSTRAINT_WORD_LIST && option->constraint.word_list) {
        // The list's first word is its length.
        const SANE_Word* list = option->constraint.word_list;
        for (SANE_Word i = 1; i <= list[0]; ++i)
            choices.push_back(fromWord(*option, list[i]));
    }
    return choices;
}

std::optional<NumberRange> SaneOptions::range(const char* name) const {
    const int index = findNumber(name);
    if (index < 0)
        return std::nullopt;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, index);
    if (option->constraint_type != SANE_CONSTRAINT_RANGE || !option->constraint.range)
        return std::nullopt;
    const SANE_Range& range = *option->constraint.range;
    return NumberRange{fromWord(*option, range.min), fromWord(*option, range.max),
                       fromWord(*option, range.quant)};
}

bool SaneOptions::inMillimetres(const char* name) const {
    const int index = findNumber(name);
    return index >= 0 && sane_get_option_descriptor(handle_, index)->unit == SANE_UNIT_MM;
}

bool SaneOptions::setNumber(const char* name, double value) const {
    const int index = findNumber(name);
    if (index < 0)
        return false;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, index);
    if (!SANE_OPTION_IS_SETTABLE(option->cap))
        return false;
    SANE_Word word =
        option->type == SANE_TYPE_FIXED ? SANE_FIX(value) : SANE_Word(std::lround(value));
    return sane_control_option(handle_, index, SANE_ACTION_SET_VALUE, &word, nullptr) ==
           SANE_STATUS_GOOD;
}

std::optional<std::string> SaneOptions::text(const char* name) const {
    const int index = find(name);
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

std::vector<std::string> SaneOptions::choices(const char* name) const {
    std::vector<std::string> choices;
    const int index = find(name);
    if (index < 0)
        return choices;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, index);
    if (option->constraint_type == SANE_CONSTRAINT_STRING_LIST && option->constraint.string_list) {
        for (const SANE_String_Const* choice = option->constraint.string_list; *choice; ++choice)
            choices.emplace_back(*choice);
    }
    return choices;
}

bool SaneOptions::setText(const char* name, const std::string& value) const {
    const int index = find(name);
    if (index < 0)
        return false;
    const SANE_Option_Descriptor* option = sane_get_option_descriptor(handle_, index);
    if (option->type != SANE_TYPE_STRING || !SANE_OPTION_IS_SETTABLE(option->cap) ||
        option->size <= 0)
        return false;
    // SANE reads the option's whole declared size.
    std::vector<char> text(std::size_t(option->size), '\0');
    std::memcpy(text.data(), value.data(), std::min(value.size(), text.size() - 1));
    return sane_control_option(handle_, index, SANE_ACTION_SET_VALUE, text.data(), nullptr) ==
           SANE_STATUS_GOOD;
}

} // namespace quillox::sane_manager
