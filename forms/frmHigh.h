#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

// The "High Scores" window. It owns the ten-entry table, read from "HScores.dt" when it loads.
class frmHigh : public QDialog {
    Q_OBJECT

  public:
    // Loads the window hidden, owned by owner, and reads the table.
    explicit frmHigh(QWidget* owner);

    // True when the score beats an entry of the table.
    bool isHighScore(const std::int32_t& score) const;
    // Enters the score under the name (UTF-8, as typed) and saves the table.
    void addScore(const std::int32_t& score, const std::string& playerName);
};
