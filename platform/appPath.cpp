#include "platform/appPath.h"

#include "platform/writeAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace platform {

namespace {

std::string overriddenFolder; // set by tests; empty means the program's real folder

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

// The file beside the program is named with the system's own separator, "\HScores.dt" on Windows.
// A file there that cannot be written, or a folder that takes no new file, sends the user to
// their own folder, as a read-only file system does, even for root.
DataFilePlace dataFilePlace(const std::string& fileName) {
    const std::string folder = appPath();
    const std::string beside = folder + QDir::separator().toLatin1() + fileName;
    if (mayWriteOrCreate(beside, folder))
        return {beside, {}};
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (own.isEmpty()) // no home folder either: the warnings tell of the program folder's file
        return {beside, {}};
    return {QDir::toNativeSeparators(own + '/' + QString::fromStdString(fileName)).toStdString(),
            beside};
}

} // namespace platform
