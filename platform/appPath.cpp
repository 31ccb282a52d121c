#include "platform/appPath.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
std::string overriddenFolder; // set by tests; empty means the program's real folder
}

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

} // namespace platform
