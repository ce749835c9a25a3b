#pragma once

#include <map>
#include <string>
#include <vector>

// Runs a program found on PATH with the arguments, its standard output thrown away, in this
// process's environment with the variables given set, and waits for it; throws
// std::runtime_error when it cannot be started or does not exit with 0.
void runQuietly(const std::vector<std::string>& arguments,
                const std::map<std::string, std::string>& environment = {});
