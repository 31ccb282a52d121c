#include "support/mathsFunctions.h"

#include "platform/random.h"
#include "support/scriptedDialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

class RandomNumber : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::setDialogProvider(&dialogs);
        platform::fixSeed(7);
    }
    void TearDown() override {
        platform::setDialogProvider(nullptr);
        platform::unfixSeed();
    }
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(RandomNumber, EqualBoundsAlwaysGiveThatNumber) {
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(mathsFunctions::randomNumber(5, 5), 5.0f);
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

// The upper bound comes first; every letter code from A to Z comes up, and nothing outside.
TEST_F(RandomNumber, LetterRangeGivesEveryWholeCodeFromAToZ) {
    std::set<float> seen;
    for (int i = 0; i < 5000; ++i) {
        const float value = mathsFunctions::randomNumber(90, 65);
        ASSERT_GE(value, 65.0f);
        ASSERT_LE(value, 90.0f);
        ASSERT_EQ(value, std::floor(value));
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 26u);
}

TEST_F(RandomNumber, HighBelowLowShowsTheCodeFourBoxAndReturnsZero) {
    EXPECT_EQ(mathsFunctions::randomNumber(4, 5), 0.0f);
    ASSERT_EQ(dialogs.messageBoxes.size(), 1u);
    const auto& box = dialogs.messageBoxes[0];
    EXPECT_EQ(box.text, "randomNumber - MathsFunctions\r\n"
                        "the high paramenter is less than the low parameter");
    EXPECT_EQ(box.title, "MathsFunctions error");
    EXPECT_EQ(box.style, 48);
}

TEST_F(RandomNumber, ReportMathsErrorTextsByCode) {
    struct Case {
        std::int16_t code;
        const char* text;
    };
    const Case cases[] = {
        {0, "invSin - MathsFunctions\r\nCannot be greater or less than 1 or -1"},
        {1, "invCos - MathsFunctions\r\nCannot be greater or less than 1 or -1"},
        {2, "getAngleBetweenLinesCosineRule - MathsFunctions\r\nInvalid point combination"},
        {3, "getAngleBetweenLinesVect - MathsFunctions\r\nInvalid point combination"},
        {5, ""},
        {-1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        dialogs.messageBoxes.clear();
        mathsFunctions::reportMathsError(c.code);
        ASSERT_EQ(dialogs.messageBoxes.size(), 1u);
        EXPECT_EQ(dialogs.messageBoxes[0].text, c.text);
        EXPECT_EQ(dialogs.messageBoxes[0].title, "MathsFunctions error");
        EXPECT_EQ(dialogs.messageBoxes[0].style, 48);
    }
}

// Reseeding within the same millisecond must not repeat a sequence.
TEST(Randomize, BackToBackReseedsFromTheClockGiveDifferentSequences) {
    platform::unfixSeed();
    platform::randomize();
    const float first[3] = {platform::rnd(), platform::rnd(), platform::rnd()};
    platform::randomize();
    const float second[3] = {platform::rnd(), platform::rnd(), platform::rnd()};
    EXPECT_FALSE(first[0] == second[0] && first[1] == second[1] && first[2] == second[2]);
}

TEST(Randomize, ValuesStayBelowOne) {
    platform::fixSeed(1);
    for (int i = 0; i < 100000; ++i) {
        const float r = platform::rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}
