#pragma once

#include "game/gameCode.h"

namespace gameCode {

// Writes a letter's character with its cell's top-left corner at (x, y), in the play area's
// current font and colour: measured first, then written, exactly the same way every time, so
// that writing it again in black erases it. A record without a letter writes nothing.
void writeLetter(const FallingLetter& record);

} // namespace gameCode
