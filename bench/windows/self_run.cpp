#include "self_run.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

std::vector<double> numbersFromSelf(const std::vector<std::string>& arguments, std::size_t count) {
    std::string command = shellQuoted(std::filesystem::read_symlink("/proc/self/exe").string());
    for (const std::string& argument : arguments)
        command += " " + shellQuoted(argument);
    FILE* child = popen(command.c_str(), "r");
    if (!child)
        throw std::runtime_error("cannot run " + command);
    std::vector<double> numbers;
    for (double number = 0; std::fscanf(child, "%lf", &number) == 1;)
        numbers.push_back(number);
    const int status = pclose(child);
    if (status != 0 || numbers.size() != count) {
        throw std::runtime_error(command + " failed or printed " + std::to_string(numbers.size()) +
                                 " numbers instead of " + std::to_string(count));
    }
    return numbers;
}
