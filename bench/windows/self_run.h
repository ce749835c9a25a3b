#pragma once

#include <string>
#include <vector>

// Runs this program again with the arguments, in a fresh process with this one's environment,
// and returns the numbers it prints on its standard output: figures of a first showing or of
// memory that the measurements done before in this process would hide. Throws
// std::runtime_error when the run fails or prints another count of numbers.
std::vector<double> numbersFromSelf(const std::vector<std::string>& arguments, std::size_t count);
