#include "game/letterText.h"

#include "platform/pictureBox.h"
#include "support/gdiAPI.h"

#include <cmath>

namespace gameCode {

void writeLetter(const FallingLetter& record) {
    if (record.letter == 0)
        return;
    const char text = static_cast<char>(record.letter);
    const auto x = static_cast<std::int32_t>(std::lrint(record.x));
    const auto y = static_cast<std::int32_t>(std::lrint(record.y));
    gdiAPI::RECT box;
    gdiAPI::SetRect(&box, x, y, x, y + 5);
    gdiAPI::DrawTextA(playArea->hDC(), &text, 1, &box, gdiAPI::DT_CALCRECT | gdiAPI::DT_CENTER);
    gdiAPI::DrawTextA(playArea->hDC(), &text, 1, &box, gdiAPI::DT_CENTER);
}

} // namespace gameCode
