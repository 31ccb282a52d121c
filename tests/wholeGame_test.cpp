#include "forms/frmHigh.h"
#include "support/playing.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace gameCode;

namespace {

class WholeGame : public GameFixture {
  protected:
    // The index of the lowest letter on the play area.
    static std::size_t lowestLetter() {
        std::size_t lowest = 0;
        for (std::size_t i = 1; i < letters.size(); ++i)
            if (letters[i].y > letters[lowest].y)
                lowest = i;
        return lowest;
    }

    void type(std::int32_t code) { release(static_cast<Qt::Key>(Qt::Key_A + (code - 'A'))); }
};

} // namespace

// A game as a person plays it, from New Game to the name box: the banner, letters typed as they
// fall, a completed level, then a letter let through to the bottom. The score is stored in the
// file under the typed name and shows in the High Scores window.
TEST_F(WholeGame, FromNewGameToANewRowInTheHighScoreTable) {
    dialogs.answers = {"Zoë Quist"};
    window->cmdBegin->click();

    int ticks = 0;
    bool typing = true;
    std::int16_t highestLevel = 0;
    while (window->gameLoop.enabled() && ticks < 20000) {
        ASSERT_EQ(tick(), 1);
        ++ticks;
        highestLevel = std::max(highestLevel, currentLevel);
        if (currentLevel >= 2)
            typing = false; // from level 2 on, the letters are left to fall
        if (typing && !levelIntro && ticks % 4 == 0)
            type(letters[lowestLetter()].letter);
    }

    EXPECT_EQ(highestLevel, 2);
    EXPECT_TRUE(gameOver);
    EXPECT_EQ(currentLevel, 0);
    EXPECT_GE(gameScore, 5 * 10);
    EXPECT_EQ(statusText(), "0 out of 0 LETTERS        SCORE: 0       LEVEl: 0");
    EXPECT_GT(countPixels(screen(), red), 400);
    ASSERT_EQ(dialogs.inputBoxes.size(), 1u);
    EXPECT_TRUE(dialogs.messageBoxes.empty());

    QFile file(QString::fromStdString(folderPath() + "/HScores.dt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 220);
    EXPECT_EQ(bytes.left(18), QByteArray("Zo\xEB Quist         ", 18));
    const std::int32_t stored = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[18])) |
        static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[19])) << 8 |
        static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[20])) << 16 |
        static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[21])) << 24);
    EXPECT_EQ(stored, gameScore);
    EXPECT_EQ(bytes.mid(22), QByteArray(198, '\0'));

    EXPECT_EQ(window->highScores->lblPlayer[0]->text(), "Zoë Quist");
    EXPECT_EQ(window->highScores->lblScore[0]->text(), QString::number(gameScore));

    // The next game starts from a clean score; the table keeps its row.
    window->cmdBegin->click();
    EXPECT_EQ(gameScore, 0);
    EXPECT_EQ(window->highScores->lblPlayer[0]->text(), "Zoë Quist");
}
