#include "game/gameCode.h"
#include "game/letterText.h"

#include "platform/pictureBox.h"

namespace gameCode {

// The play area keeps no copy of what is under a letter, so each letter is erased by writing it
// again in black where it was, then moved, then written in its own colour.
void moveLetters() {
    const auto last = static_cast<std::int32_t>(letters.size()) - 1;
    for (std::int32_t i = 0; i <= last; ++i) {
        FallingLetter& record = letters[static_cast<std::size_t>(i)];
        playArea->setForeColor(0);
        writeLetter(record);
        record.y += record.slow ? slowStep : fastStep;
        playArea->setForeColor(record.colour);
        writeLetter(record);
    }
}

} // namespace gameCode
