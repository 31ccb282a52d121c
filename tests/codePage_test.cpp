#include "platform/codePage.h"

#include <gtest/gtest.h>

// Every byte a file can hold decodes to some character and encodes back to the same byte.
TEST(CodePage, EveryByteValueRoundTrips) {
    for (int value = 0; value < 256; ++value) {
        SCOPED_TRACE(value);
        const std::string byte(1, static_cast<char>(value));
        EXPECT_EQ(platform::toAnsi(platform::fromAnsi(byte)), byte);
    }
}

TEST(CodePage, Windows1252CharactersEncodeToTheirBytes) {
    EXPECT_EQ(platform::toAnsi("Zoë"), "Zo\xEB");
    EXPECT_EQ(platform::toAnsi("€"), "\x80");
    EXPECT_EQ(platform::toAnsi("Œuvre"), "\x8Cuvre");
    EXPECT_EQ(platform::fromAnsi("\x80\x9F"), "€Ÿ");
}

// A name typed with a combining accent is stored as the precomposed character.
TEST(CodePage, DecomposedTextIsNormalisedFirst) {
    EXPECT_EQ(platform::toAnsi("e\xCC\x81t\xC3\xA9"), "\xE9t\xE9");
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(platform::toAnsi("Иван"), "????");
    EXPECT_EQ(platform::toAnsi("a😀b"), "a?b");
}
