#include "forms/frmMain.h"
#include "platform/x11AutoRepeat.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velquist");
    platform::useDetectableAutoRepeat();
    frmMain window;
    window.showMaximized();
    return QApplication::exec();
}
