#pragma once

#include "forms/highScoreTable.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <string>

class QLabel;
class QPushButton;
class QShowEvent;

// The "High Scores" window. It owns the ten-entry table, read from "HScores.dt" when it loads and
// again whenever it is shown or asked about a score, since another copy of the game may have
// changed the file; it shows the table as ten rows of name and score over "Clear" and "Close".
class frmHigh : public QDialog {
    Q_OBJECT

  public:
    // Loads the window hidden, owned by owner, and reads the table.
    explicit frmHigh(QWidget* owner);

    // True when the score beats an entry of the table as the file holds it now.
    bool isHighScore(const std::int32_t& score);
    // Enters the score under the name (UTF-8, as typed) into the table the file holds now and
    // saves it.
    void addScore(const std::int32_t& score, const std::string& playerName);

    // Controls, named as the game knows them; row i shows entry i.
    std::array<QLabel*, highScoreTable::entryCount> lblPlayer; // names
    std::array<QLabel*, highScoreTable::entryCount> lblScore;  // scores
    QPushButton* cmdClear;                                     // "Clear"
    QPushButton* cmdClose;                                     // "Close"

    // Event handlers.
    void cmdClear_Click();
    void cmdClose_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    void Form_Load();
    void Form_Activate();
    void loadScores();
    void showScores();
    void clearLabels();
    void warn(const std::string& text);

    highScoreTable::ScoreTable highScores{}; // the table, best first
    highScoreTable::ScoreFile scoreFile;     // where it is kept, and whether it may be written
};
