#include "platform/keyboard.h"

#include <QGuiApplication>
#include <qguiapplication_platform.h>

#include <X11/XKBlib.h>

namespace platform {

const std::uint32_t nativeScanCodeOffset = 8;

std::int16_t letterVirtualKey(std::uint32_t) {
    return 0;
}

void useDetectableAutoRepeat() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
}

} // namespace platform
