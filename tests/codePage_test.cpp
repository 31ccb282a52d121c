// Names in the system's code page, run once under a locale of each code page tried beyond
// Western European's (which the high-score tests try in the C locale): stored as the code page's
// bytes, shown back the same, and cut at 18 bytes without splitting a character. The play area's
// texts come in English where the code page cannot hold the player's language.
//   velquist_codePages CODE-PAGE   (the code page the locale must give)
#include "forms/highScoreTable.h"
#include "platform/codePage.h"
#include "platform/translation.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

int expectedCodePage = 0;

struct StoredName {
    int codePage;
    const char* typed;
    std::string stored; // the bytes before the spaces that fill the name up to 18
    const char* shown;
};

const StoredName storedNames[] = {
    {1250, "Łukasz", "\xA3ukasz", "Łukasz"},
    {1251, "Иван", "\xC8\xE2\xE0\xED", "Иван"},
    {1253, "Γιώργος", "\xC3\xE9\xFE\xF1\xE3\xEF\xF2", "Γιώργος"},
    {1254, "Şükrü Işık", "\xDE\xFCkr\xFC I\xFE\xFDk", "Şükrü Işık"},
    {932, "山田太郎", "\x8E\x52\x93\x63\x91\xBE\x98\x59", "山田太郎"},
    // 19 bytes: the last kana would be cut in half, so it goes whole and a space takes its byte.
    {932, "aさくらさくらさくら",
     "a\x82\xB3\x82\xAD\x82\xE7\x82\xB3\x82\xAD\x82\xE7\x82\xB3\x82\xAD", "aさくらさくらさく"},
};

TEST(CodePage, NamesAreStoredInTheCodePageAndShownBack) {
    ASSERT_EQ(platform::ansiCodePage(), expectedCodePage);
    int tried = 0;
    for (const StoredName& name : storedNames) {
        if (name.codePage != expectedCodePage)
            continue;
        ++tried;
        SCOPED_TRACE(name.typed);
        const highScoreTable::Name stored = highScoreTable::storedName(name.typed);
        std::string expected = name.stored;
        expected.resize(highScoreTable::nameBytes, ' ');
        EXPECT_EQ(std::string(stored.begin(), stored.end()), expected);
        EXPECT_EQ(highScoreTable::shownName(stored), name.shown);
    }
    EXPECT_GT(tried, 0);
}

// A Russian interface draws its banner in Russian only where the code page holds Cyrillic: the
// Cyrillic one, and the Japanese one, which has the Cyrillic alphabet among its double-byte
// letters.
TEST(CodePage, PlayAreaTextsTheCodePageLacksAreInEnglish) {
    ASSERT_EQ(platform::loadTranslations("ru", VELQUIST_TRANSLATIONS_DIR), "ru");
    const std::string russian = platform::translate("gameCode", "LEVEL %1");
    ASSERT_NE(russian, "LEVEL %1");
    EXPECT_EQ(platform::translateForPlayArea("gameCode", "LEVEL %1"),
              expectedCodePage == 1251 || expectedCodePage == 932 ? russian : "LEVEL %1");
    platform::loadTranslations("en");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    expectedCodePage = argc == 2 ? std::atoi(argv[1]) : 0;
    return RUN_ALL_TESTS();
}
