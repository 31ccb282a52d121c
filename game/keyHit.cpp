#include "game/gameCode.h"
#include "game/letterText.h"

#include "platform/pictureBox.h"

namespace gameCode {

namespace {

constexpr std::int32_t fastPoints = 100;    // a fast letter, wherever it is
constexpr std::int32_t slowHighPoints = 20; // a slow letter above the lowest third
constexpr std::int32_t slowLowPoints = 10;  // a slow letter in the lowest third

// The first matching fast letter, or else the lowest matching slow one (the lower index on equal
// height); -1 when no letter matches.
std::int32_t chooseLetter(std::int32_t code) {
    std::int32_t chosen = -1;
    const auto last = static_cast<std::int32_t>(letters.size()) - 1;
    for (std::int32_t i = 0; i <= last; ++i) {
        const FallingLetter& record = letters[static_cast<std::size_t>(i)];
        if (record.letter != code)
            continue;
        if (!record.slow)
            return i;
        if (chosen < 0 || record.y > letters[static_cast<std::size_t>(chosen)].y)
            chosen = i;
    }
    return chosen;
}

std::int32_t pointsFor(const FallingLetter& record) {
    if (!record.slow)
        return fastPoints;
    const float twoThirds = static_cast<float>(playArea->scaleHeight()) / 3.0f * 2.0f;
    return twoThirds > record.y ? slowHighPoints : slowLowPoints;
}

} // namespace

void keyHit(const std::int16_t& keyCode) {
    const std::int32_t index = chooseLetter(keyCode);
    if (index < 0) {
        // A miss: every letter in play falls fast from now on.
        for (FallingLetter& record : letters)
            record.slow = false;
        return;
    }
    FallingLetter& hit = letters[static_cast<std::size_t>(index)];
    playArea->setForeColor(0);
    writeLetter(hit);
    ++lettersHit;
    gameScore += pointsFor(hit);
    hit.y = 0;
    hit.letter = 0;
    playEffect(hitSoundFile());
    placeLetters(index);
    showStatus();
}

} // namespace gameCode
