#pragma once

#include <string>

namespace platform {

// Whether this process may write the file, or, where there is none yet, create it in the folder.
// Each platform has its own.
bool mayWriteOrCreate(const std::string& file, const std::string& folder);

} // namespace platform
