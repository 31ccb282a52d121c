#pragma once

namespace platform {

// Asks the X server to report a held key as presses only, with one release at the end, as Windows
// does. Does nothing on other platforms.
void useDetectableAutoRepeat();

} // namespace platform
