#include "platform/appPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

std::string overriddenFolder; // set by tests; empty means the program's real folder

// Whether this process, with its effective user and groups, may do what mode asks of the path.
bool allowed(const std::string& path, int mode) {
    return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

} // namespace

std::string appPath() {
    if (!overriddenFolder.empty())
        return overriddenFolder;
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    while (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder.toStdString();
}

void setAppPathForTesting(const std::string& folder) {
    overriddenFolder = folder;
    while (overriddenFolder.size() > 1 && overriddenFolder.back() == '/')
        overriddenFolder.pop_back();
}

// A file there that cannot be written, or a folder that takes no new file, sends the user to
// their own folder, as a read-only file system does, even for root.
DataFilePlace dataFilePlace(const std::string& fileName) {
    const std::string folder = appPath();
    const std::string beside = folder + '/' + fileName;
    if (allowed(beside, W_OK) || (errno == ENOENT && allowed(folder, W_OK | X_OK)))
        return {beside, {}};
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (own.isEmpty()) // no home folder either: the warnings tell of the program folder's file
        return {beside, {}};
    return {own.toStdString() + '/' + fileName, beside};
}

} // namespace platform
