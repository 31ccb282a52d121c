#include "forms/frmMain.h"
#include "platform/keyboard.h"
#include "platform/translation.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    // The play area sends a small rectangle to the X server every tick. Through shared memory
    // each of those costs a synchronous round trip and several context switches; plain requests
    // cost less for pictures this small. The user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velquist");
    platform::loadTranslations();
    // Every window shows the game's icon; the desktop finds the launcher by the same name.
    QApplication::setWindowIcon(QIcon(":/" VELQUIST_APP_ID ".svg"));
    QGuiApplication::setDesktopFileName(VELQUIST_APP_ID);
    platform::useDetectableAutoRepeat();
    frmMain window;
    window.showMaximized();
    return QApplication::exec();
}
