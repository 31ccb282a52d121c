#pragma once

#include "forms/frmHigh.h"
#include "game/gameCode.h"
#include "platform/appPath.h"
#include "platform/dialogs.h"
#include "support/gameFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The real program with a fault in or around its high-score file: it is started in a program
// folder of the test's making and plays games to a game over whose score goes through the name
// box into the table and the file.
class FileFaultGame : public GameFixture {
  protected:
    using Row = std::pair<std::string, std::string>; // name and score as shown

    std::string programFolder() const { return programFolderPath; }
    std::string filePath() const { return programFolderPath + "/HScores.dt"; }

    // Starts the program afresh with its folder at folder, as a new run would: the main window
    // and the high-score window load again and read the file anew. Boxes seen so far are
    // forgotten.
    void startProgramIn(const std::string& folder) {
        if (window)
            window->close();
        window.reset();
        dialogs.messageBoxes.clear();
        dialogs.inputBoxes.clear();
        programFolderPath = folder;
        platform::setAppPathForTesting(folder);
        resetEngineState();
        window = std::make_unique<frmMain>();
        window->showMaximized();
        processEvents();
    }

    // Plays a game and loses it: New Game, the banner ticked away, the lowest letter hit, then a
    // key that matches no letter makes them all fast, and the ticks run until one reaches the
    // bottom. The name box, if the score earns a place, is answered with name. Answers the final
    // score, which is above 0.
    std::int32_t loseAGame(const std::string& name) {
        dialogs.answers = {name};
        const std::size_t boxesBefore = dialogs.inputBoxes.size();
        window->cmdBegin->click();
        for (int i = 0; i < 200 && gameCode::levelIntro; ++i)
            tick();
        EXPECT_FALSE(gameCode::levelIntro);
        release(keyOf(gameCode::letters.front().letter));
        EXPECT_GT(gameCode::gameScore, 0);
        release(keyOf(unusedLetter()));
        for (int i = 0; i < 2000 && window->gameLoop.enabled(); ++i)
            tick();
        EXPECT_TRUE(gameCode::gameOver);
        EXPECT_FALSE(window->gameLoop.enabled());
        EXPECT_EQ(dialogs.inputBoxes.size(), boxesBefore + 1) << "no name box";
        dialogs.answers.clear();
        return gameCode::gameScore;
    }

    // The warning boxes shown since the program started: every one an exclamation box titled
    // "High Scores" that names the file. Answers their texts.
    std::vector<std::string> warnings() const {
        std::vector<std::string> texts;
        for (const auto& box : dialogs.messageBoxes) {
            EXPECT_EQ(box.style, platform::vbExclamation) << box.text;
            EXPECT_EQ(box.title, "High Scores") << box.text;
            EXPECT_NE(box.text.find("\"" + filePath() + "\""), std::string::npos) << box.text;
            texts.push_back(box.text);
        }
        return texts;
    }

    // The rows of the High Scores window that show a score, as the player sees them when the
    // window is opened from the menu: the table in memory.
    std::vector<Row> rows() {
        std::vector<Row> shown;
        frmHigh* high = window->highScores;
        QTimer::singleShot(0, high, [&] {
            for (std::size_t i = 0; i < 10; ++i) {
                const std::string score = high->lblScore[i]->text().toStdString();
                if (!score.empty())
                    shown.emplace_back(high->lblPlayer[i]->text().toStdString(), score);
            }
            high->cmdClose->click();
        });
        window->mnuHigh->trigger();
        EXPECT_FALSE(high->isVisible());
        return shown;
    }

    static Row row(const std::string& name, std::int32_t score) {
        return {name, std::to_string(score)};
    }

  private:
    static Qt::Key keyOf(std::int32_t code) {
        return static_cast<Qt::Key>(Qt::Key_A + (code - 65));
    }

    // A letter that no letter in play carries.
    static std::int32_t unusedLetter() {
        for (std::int32_t code = 65; code <= 90; ++code) {
            bool used = false;
            for (const auto& r : gameCode::letters)
                used = used || r.letter == code;
            if (!used)
                return code;
        }
        ADD_FAILURE() << "every letter is in play";
        return 65;
    }

    std::string programFolderPath;
};
