// The game in each of its languages: every catalogue loads, and every caption fits the control it
// is written on, since the layout is fixed and a caption that does not fit is cut off.
#include "support/gameFixture.h"

#include "forms/frmHigh.h"
#include "platform/translation.h"

#include <QDir>
#include <QFontMetrics>

namespace {

// The languages the build made catalogues for.
std::vector<std::string> languages() {
    std::vector<std::string> list;
    for (const QString& file : QDir(VELQUIST_TRANSLATIONS_DIR).entryList({"velquist_*.qm"}))
        list.push_back(file.mid(9, file.size() - 12).toStdString());
    return list;
}

class Translated : public GameFixture, public ::testing::WithParamInterface<std::string> {
  protected:
    void SetUp() override {
        ASSERT_EQ(platform::loadTranslations(GetParam(), VELQUIST_TRANSLATIONS_DIR), GetParam());
        GameFixture::SetUp();
    }
    void TearDown() override {
        GameFixture::TearDown();
        platform::loadTranslations("en");
    }
};

// Each button's caption needs no more room than the button has; the status line with a long game's
// figures fits its label; the big play-area texts fit the restored play area, 762 pixels wide.
TEST_P(Translated, EveryCaptionFitsItsControl) {
    const frmHigh& high = *window->highScores;
    for (const QPushButton* button : {window->cmdPause, window->cmdBegin, window->cmdEnd,
                                      window->cmdExit, high.cmdClear, high.cmdClose}) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_LE(button->sizeHint().width(), button->width());
    }

    gameCode::lettersHit = 49;
    gameCode::currentLevel = 10;
    gameCode::gameScore = 1234560;
    gameCode::showStatus();
    SCOPED_TRACE(statusText());
    EXPECT_LE(window->lblInfo->sizeHint().width(), window->lblInfo->width());

    // As the play area writes them: bold, 40 points at 96 pixels an inch.
    QFont big(QApplication::font().family());
    big.setPixelSize(53);
    big.setBold(true);
    const QFontMetrics measure(big);
    for (const char* text : {"GAME OVER", "SCORE: %1", "LEVEL %1"}) {
        const std::string line = platform::fillIn(platform::translate("gameCode", text), {"99999"});
        SCOPED_TRACE(line);
        EXPECT_LE(measure.horizontalAdvance(QString::fromStdString(line)), 762);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Translated, ::testing::ValuesIn(languages()),
                         [](const auto& info) { return info.param; });

} // namespace
