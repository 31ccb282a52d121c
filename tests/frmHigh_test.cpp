#include "forms/frmHigh.h"

#include "platform/appPath.h"
#include "support/gameFixture.h"
#include "support/scoreFileBytes.h"
#include "support/scriptedDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace scoreFileBytes;

namespace {

using Row = std::pair<std::string, std::string>; // name and score as shown
using Rows = std::vector<Row>;

Rows rowsOf(const frmHigh& window) {
    Rows rows;
    for (std::size_t i = 0; i < highScoreTable::entryCount; ++i)
        rows.emplace_back(window.lblPlayer[i]->text().toStdString(),
                          window.lblScore[i]->text().toStdString());
    return rows;
}

// Rows as expected: the given ones first, blank rows after them.
Rows rowsThenBlank(Rows rows) {
    rows.resize(highScoreTable::entryCount, Row{"", ""});
    return rows;
}

// The window loaded on its own in a temporary program folder, with scripted boxes.
class HighScoreWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform::setAppPathForTesting(folder.path().toStdString());
        platform::setDialogProvider(&dialogs);
    }
    void TearDown() override {
        window.reset();
        platform::setDialogProvider(nullptr);
        platform::setAppPathForTesting({});
    }

    std::string filePath() const { return folder.filePath("HScores.dt").toStdString(); }
    void load() { window = std::make_unique<frmHigh>(nullptr); }
    Rows rows() const { return rowsOf(*window); }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmHigh> window;
};

} // namespace

// A first run has no file: no warning, no file made, and ten blank rows in place of the
// captions the labels are designed with.
TEST_F(HighScoreWindow, FirstRunWithoutAFileShowsBlankRowsSilentlyAndMakesNoFile) {
    load();
    EXPECT_EQ(window->scoreFilePath(), filePath());
    window->show();
    EXPECT_EQ(rows(), rowsThenBlank({}));
    EXPECT_TRUE(dialogs.messageBoxes.empty());
    EXPECT_FALSE(std::filesystem::exists(filePath()));
}

// Labels show names as typed, never as markup, and take no focus; "Close" has the focus whenever
// the window opens, and the tab key goes from it to "Clear".
TEST_F(HighScoreWindow, LabelsArePlainTextAndCloseHasTheFocusBeforeClear) {
    load();
    for (std::size_t i = 0; i < highScoreTable::entryCount; ++i) {
        for (const QLabel* label : {window->lblPlayer[i], window->lblScore[i]}) {
            SCOPED_TRACE(label->objectName().toStdString());
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        }
    }
    window->show();
    EXPECT_EQ(window->focusWidget(), window->cmdClose);
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), window->cmdClear);
    window->hide();
    window->show();
    EXPECT_EQ(window->focusWidget(), window->cmdClose);
}

// addScore runs on the hidden window at game over: rows and file are current at once, and the
// next run reads the file back.
TEST_F(HighScoreWindow, AddScoreUpdatesTheRowsAndTheFileAtOnce) {
    writeBytes(filePath(), fileOf({{"Ada", 300}, {"Bob", 200}, {"Cy", 100}}));
    load();
    window->addScore(250, "Dee");
    const Rows expected = {{"Ada", "300"}, {"Dee", "250"}, {"Bob", "200"}, {"Cy", "100"}};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(rows()[i], expected[i]) << i;
    EXPECT_EQ(readBytes(filePath()),
              fileOf({{"Ada", 300}, {"Dee", 250}, {"Bob", 200}, {"Cy", 100}}));

    load();
    window->show();
    EXPECT_EQ(rows(), rowsThenBlank(expected));
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

// A score with no place changes nothing and writes nothing, not even the same table again.
TEST_F(HighScoreWindow, ScoreBeatingNoEntryChangesAndWritesNothing) {
    std::vector<std::pair<std::string, std::int32_t>> full;
    for (int i = 0; i < 10; ++i)
        full.emplace_back("P" + std::to_string(i), 100 - 10 * i);
    writeBytes(filePath(), fileOf(full));
    load();
    const Rows before = rows();
    EXPECT_FALSE(window->isHighScore(10));

    const Bytes elsewhere(220, 0x41); // written by something else; a save would go over it
    writeBytes(filePath(), elsewhere);
    window->addScore(10, "Late");
    EXPECT_EQ(readBytes(filePath()), elsewhere);
    EXPECT_EQ(rows(), before);
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

// Every fault of the file is told in an exclamation box titled "High Scores" naming the file;
// the table lives on in memory. A file unreadable at load is never written over.
TEST_F(HighScoreWindow, FileFaultsWarnAndTheTableLivesOnInMemory) {
    const std::string file = filePath();
    struct Case {
        const char* name;
        bool folderBeforeLoad; // else the folder takes the file's place after the load
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        {"unreadable at load",
         true,
         {highScoreTable::readFailureMessage(file, "Is a directory"),
          highScoreTable::saveRefusedMessage(file)}},
        {"unwritable at save",
         false,
         {highScoreTable::writeFailureMessage(file, "Is a directory")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(file);
        dialogs.messageBoxes.clear();
        if (c.folderBeforeLoad) {
            ASSERT_TRUE(std::filesystem::create_directory(file));
        }
        load();
        if (!c.folderBeforeLoad) {
            ASSERT_TRUE(dialogs.messageBoxes.empty());
            ASSERT_TRUE(std::filesystem::create_directory(file));
        }
        window->addScore(90, "Ann");

        std::vector<std::string> shown;
        for (const auto& box : dialogs.messageBoxes) {
            EXPECT_EQ(box.style, platform::vbExclamation);
            EXPECT_EQ(box.title, "High Scores");
            EXPECT_NE(box.text.find(file), std::string::npos);
            shown.push_back(box.text);
        }
        EXPECT_EQ(shown, c.warnings);
        window->hide();
        window->show();
        EXPECT_EQ(rows(), rowsThenBlank({{"Ann", "90"}}));
        EXPECT_TRUE(std::filesystem::is_empty(file));
    }
}

// --- From the main window ---------------------------------------------------------------------

namespace {

// The real main window, started with a hand-made "HScores.dt" beside the program.
class HighScoresMenu : public GameFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        writeBytes(
            filePath(),
            fileOf({{"Ada", 5000}, {"  Bob  ", 4000}, {"Zo\xEB", 900}, {"", 0}, {"Ghost", 0}}));
        GameFixture::SetUp();
    }
    std::string filePath() const { return folderPath() + "/HScores.dt"; }
};

} // namespace

// The menu shows the window modally over the main window: the file's entries in its order,
// names without their outer spaces, entries with score 0 blank. "Clear" blanks the rows at once
// and leaves 220 zero bytes; "Close" hides the window.
TEST_F(HighScoresMenu, ShowsTheFileModallyClearsItAndCloses) {
    frmHigh* high = window->highScores;
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(high->parentWidget(), window.get());

    bool ran = false;
    QTimer::singleShot(0, high, [&] {
        ran = true;
        EXPECT_EQ(QApplication::activeModalWidget(), high);
        EXPECT_EQ(rowsOf(*high),
                  rowsThenBlank({{"Ada", "5000"}, {"Bob", "4000"}, {"Zo\xC3\xAB", "900"}}));
        high->cmdClear->click();
        EXPECT_TRUE(high->isVisible());
        EXPECT_EQ(rowsOf(*high), rowsThenBlank({}));
        EXPECT_EQ(readBytes(filePath()), Bytes(220, 0));
        high->cmdClose->click();
    });
    window->mnuHigh->trigger();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(high->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}
