#include "forms/frmHigh.h"

frmHigh::frmHigh(QWidget* owner) : QDialog(owner) {
    setWindowTitle("High Scores");
}

bool frmHigh::isHighScore(const std::int32_t& score) const {
    return score > 0;
}

void frmHigh::addScore(const std::int32_t& score, const std::string& playerName) {
    (void)score;
    (void)playerName;
}
