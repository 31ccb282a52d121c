#pragma once

#include "forms/frmHigh.h"
#include "forms/highScoreTable.h"
#include "support/gameFixture.h"
#include "support/scoreFile.h"

#include <QDir>

#include <string>
#include <utility>
#include <vector>

// The high-score tests' players, tables as shown, and the real program with its file.

using Rows = std::vector<std::pair<std::string, std::string>>; // name and score as shown
using Texts = std::vector<std::string>;

// A name as typed, as stored and as shown; the five bytes Windows-1252 leaves undefined stand for
// the C1 controls of the same value, both ways.
struct Player {
    std::string typed, stored, shown;
};
inline const Player ada{"", "Ada\x81\x8D\x8F\x90\x9D", "Ada\u0081\u008D\u008F\u0090\u009D"};
inline const Player ann{"  Zoë Œuvre-Ÿ €uro and more", "  Zo\xEB \x8Cuvre-\x9F \x80uro",
                        "Zoë Œuvre-Ÿ €uro"};
inline const Player bo{"e\xCC\x81t\xC3\xA9 李\u0081", "\xE9t\xE9 ?\x81", "été ?\u0081"};
using Entries = std::vector<std::pair<Player, std::int32_t>>;

inline std::string fileOf(const Entries& entries) {
    std::vector<std::pair<std::string, std::int32_t>> records;
    for (const auto& [player, score] : entries)
        records.emplace_back(player.stored, score);
    return scoreFile::fileOf(records);
}

inline Rows rowsOf(const frmHigh& high) {
    Rows rows;
    for (std::size_t i = 0; i < 10; ++i)
        rows.emplace_back(high.lblPlayer[i]->text().toStdString(),
                          high.lblScore[i]->text().toStdString());
    return rows;
}

inline Rows rowsShowing(const Entries& entries) {
    Rows rows;
    for (const auto& [player, score] : entries)
        rows.emplace_back(player.shown, std::to_string(score));
    rows.resize(10);
    return rows;
}

// The real program, its high-score file in the program folder.
class HighScores : public GameFixture {
  protected:
    // The texts of the warnings so far, every one an exclamation box titled "High Scores".
    Texts warnings() const {
        Texts texts;
        for (const auto& box : dialogs.messageBoxes) {
            EXPECT_EQ(box.style, platform::vbExclamation);
            EXPECT_EQ(box.title, "High Scores");
            texts.push_back(box.text);
        }
        return texts;
    }

    std::string file = folderPath() + QDir::separator().toLatin1() + "HScores.dt";
};
