#pragma once

#include <string>

namespace platform {

// The folder that holds the program, without a trailing separator.
std::string appPath();

// Lets tests put the program's folder somewhere of their own; an empty path restores the real one.
void setAppPathForTesting(const std::string& folder);

// Where this user keeps one of the program's data files.
struct DataFilePlace {
    std::string path;         // the file to read and write
    std::string startingPath; // read while path holds nothing yet; empty when there is none
};

// The file in the program's folder where this user may write it or create it there, as on a
// per-user install or as root. Elsewhere, as on a system-wide install, the file in the user's own
// data folder ($XDG_DATA_HOME/<application name>, ~/.local/share/<application name> by default;
// %APPDATA%\<application name> on Windows), with the program folder's file as the starting point
// until the user has one.
DataFilePlace dataFilePlace(const std::string& fileName);

} // namespace platform
