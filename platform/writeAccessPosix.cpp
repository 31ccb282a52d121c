#include "platform/writeAccess.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

// Whether this process, with its effective user and groups, may do what mode asks of the path.
bool allowed(const std::string& path, int mode) {
    return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

} // namespace

bool mayWriteOrCreate(const std::string& file, const std::string& folder) {
    return allowed(file, W_OK) || (errno == ENOENT && allowed(folder, W_OK | X_OK));
}

} // namespace platform
