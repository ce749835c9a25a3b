#pragma once

#include <string>
#include <vector>

// Runs a program found on PATH with these arguments and waits for it; throws
// std::runtime_error when it cannot be started or does not succeed.
void runCommand(const std::vector<std::string>& arguments);
