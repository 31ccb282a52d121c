#include "platform/keyCodes.h"

#include <Qt>

#include <gtest/gtest.h>

using platform::virtualKeyCode;

TEST(VirtualKeyCode, LetterKeysGive65To90WhateverTheCase) {
    for (int i = 0; i < 26; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(virtualKeyCode(Qt::Key_A + i, 0, U'a' + i), 65 + i);
        EXPECT_EQ(virtualKeyCode(Qt::Key_A + i, 0, U'A' + i), 65 + i);
    }
}

TEST(VirtualKeyCode, InsertGives45) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_Insert, 118, 0), 45);
}

// On a Cyrillic layout the key in the place of Q types Й; Windows still calls it Q.
TEST(VirtualKeyCode, NonLatinLetterKeysGoByPosition) {
    EXPECT_EQ(virtualKeyCode(0x0419, 24, U'й'), 'Q');
    EXPECT_EQ(virtualKeyCode(0x0424, 38, U'ф'), 'A');
    EXPECT_EQ(virtualKeyCode(0x03A3, 58, U'σ'), 'M');
    EXPECT_EQ(virtualKeyCode(0x0419, 24, 0), 'Q');
}

// Only letter-like keys go by position: a punctuation key where M sits is no letter.
TEST(VirtualKeyCode, NonLetterKeysNeverBecomeLetters) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_Comma, 58, U','), 0);
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        const std::int16_t key =
            virtualKeyCode(Qt::Key_Exclam, static_cast<std::uint32_t>(code), U'!');
        EXPECT_FALSE(key >= 65 && key <= 90);
    }
}

TEST(VirtualKeyCode, OtherKeysKeepTheirWindowsCodes) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_Return, 36, U'\r'), 13);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Space, 65, U' '), 32);
    EXPECT_EQ(virtualKeyCode(Qt::Key_5, 14, U'5'), 53);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F1, 67, 0), 112);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Delete, 119, 0), 46);
}
