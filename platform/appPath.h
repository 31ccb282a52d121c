#pragma once

#include <string>

namespace platform {

// The folder that holds the program, without a trailing separator.
std::string appPath();

// Lets tests put the program's folder somewhere of their own; an empty path restores the real one.
void setAppPathForTesting(const std::string& folder);

} // namespace platform
