#include "game/gameCode.h"

#include "platform/dialogs.h"
#include "platform/pictureBox.h"
#include "platform/random.h"
#include "platform/timer.h"
#include "platform/translation.h"
#include "support/gdiAPI.h"
#include "support/mathsFunctions.h"

#include <cmath>

namespace gameCode {

namespace {

constexpr int maxRetries = 30; // tries after the first before placement gives up

// The rectangle a letter occupies for the overlap test: no width, 5 pixels high.
gdiAPI::RECT testRect(float x, float y) {
    gdiAPI::RECT rect;
    const auto left = static_cast<std::int32_t>(std::lrint(x));
    const auto top = static_cast<std::int32_t>(std::lrint(y));
    gdiAPI::SetRect(&rect, left, top, left, top + 5);
    return rect;
}

bool overlapsAnother(std::int32_t index, const gdiAPI::RECT& candidate) {
    const auto last = static_cast<std::int32_t>(letters.size()) - 1;
    for (std::int32_t j = 0; j <= last; ++j) {
        if (j == index)
            continue;
        const FallingLetter& other = letters[static_cast<std::size_t>(j)];
        if (gdiAPI::rectsOverlap(candidate, testRect(other.x, other.y)))
            return true;
    }
    return false;
}

// A whole number of pixels, halves to the even neighbour.
std::int16_t wholePixels(double value) {
    return static_cast<std::int16_t>(std::lrint(value));
}

} // namespace

void placeLetters(std::int32_t index) {
    platform::randomize();
    if (index == -1) {
        const auto last = static_cast<std::int32_t>(letters.size()) - 1;
        for (std::int32_t i = 0; i <= last; ++i)
            setLetter(i);
    } else {
        setLetter(index);
    }
}

void setLetter(std::int32_t index) {
    FallingLetter& record = letters[static_cast<std::size_t>(index)];
    record.letter = static_cast<std::int32_t>(mathsFunctions::randomNumber(90, 65));
    int tries = 0;
    for (;;) {
        const std::int16_t width = wholePixels(playArea->scaleWidth());
        const std::int16_t thirdHeight = wholePixels(playArea->scaleHeight() / 3.0);
        record.x = mathsFunctions::randomNumber(width, 0);
        record.y = mathsFunctions::randomNumber(thirdHeight, 0);
        if (!overlapsAnother(index, testRect(record.x, record.y)))
            break;
        ++tries;
        if (tries > maxRetries) {
            reportError(0);
            break;
        }
    }
    record.colour = letterColours[static_cast<std::size_t>(mathsFunctions::randomNumber(6, 0))];
    if (currentLevel < 20)
        record.slow =
            mathsFunctions::randomNumber(static_cast<std::int16_t>(20 - currentLevel), 0) != 0;
    else
        record.slow = false;
}

void reportError(std::int16_t errorNumber) {
    const std::string moduleName = "gameCode";
    std::string text;
    if (errorNumber == 0)
        //: %1 is the routine, "setLetter - ", and %2 the module, "gameCode": names in the code.
        text = platform::fillIn(platform::translate("gameCode", "%1%2 Do loop has exceeded safe "
                                                                "limit, ending game."),
                                {"setLetter - ", moduleName});
    platform::msgBox(text, platform::vbCritical, applicationTitle);
    mainWindow.gameLoop->setEnabled(false);
}

} // namespace gameCode
