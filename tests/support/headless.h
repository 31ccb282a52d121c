#pragma once

// What the tests and the benchmarks share to run the real windows without a display.

// Chooses the offscreen platform with one fixed screen (1024 x 768 at 96 dpi, no window frames,
// window-system events delivered at once), unless a platform was chosen already. Call before the
// application object exists.
void useHeadlessPlatform();

// Loads DejaVu Sans from fonts-dejavu-core and makes it the application font, so layouts and
// glyph pixels are the same on every machine. Call once the application exists; false (with a
// message) when the fonts are missing.
bool useFixedFonts();

// Puts the game engine back into its state at program start.
void resetEngineState();
