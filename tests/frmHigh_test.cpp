#include "forms/frmHigh.h"

#include "platform/appPath.h"
#include "support/gameFixture.h"
#include "support/scriptedDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
using Row = std::pair<std::string, std::string>; // name and score as shown
using Rows = std::vector<Row>;

const Row blank{"", ""}; // a row with nothing in it

// One record as the file holds it, built by hand: the name's bytes padded with spaces to 18,
// then the score's 4 bytes, least significant first.
Bytes record(const std::string& nameBytes, std::int32_t score) {
    Bytes bytes(nameBytes.begin(), nameBytes.end());
    bytes.resize(18, ' ');
    const auto value = static_cast<std::uint32_t>(score);
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    return bytes;
}

// A file of the given entries, followed by empty records up to 220 bytes.
Bytes fileOf(const std::vector<std::pair<std::string, std::int32_t>>& entries) {
    Bytes bytes;
    for (const auto& [name, score] : entries) {
        const Bytes r = record(name, score);
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    bytes.resize(220, 0);
    return bytes;
}

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

Rows rowsOf(const frmHigh& window) {
    Rows rows;
    for (std::size_t i = 0; i < 10; ++i)
        rows.emplace_back(window.lblPlayer[i]->text().toStdString(),
                          window.lblScore[i]->text().toStdString());
    return rows;
}

// Rows as expected: the given ones first, blank rows after them.
Rows rowsThenBlank(Rows rows) {
    rows.resize(10, blank);
    return rows;
}

// Runs the window modally, as the High Scores menu does; inside runs while it is open, and the
// window is closed afterwards if inside left it open. Answers whether inside ran.
bool whileShownModally(QDialog& window, const std::function<void()>& inside) {
    bool ran = false;
    QTimer::singleShot(0, &window, [&] {
        ran = true;
        inside();
        if (window.isVisible())
            window.hide();
    });
    window.exec();
    return ran;
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

// --- Layout -----------------------------------------------------------------------------------

TEST_F(HighScoreWindow, IsLaidOutInPixelsAsDesigned) {
    load();
    EXPECT_EQ(window->windowTitle().toStdString(), "High Scores");
    EXPECT_EQ(window->size(), QSize(416, 456));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const QLabel* player = window->lblPlayer[static_cast<std::size_t>(i)];
        const QLabel* score = window->lblScore[static_cast<std::size_t>(i)];
        EXPECT_EQ(player->geometry(), QRect(16, 24 + 40 * i, 217, 25));
        EXPECT_EQ(score->geometry(), QRect(240, 24 + 40 * i, 169, 25));
        EXPECT_EQ(player->objectName().toStdString(), "lblPlayer" + std::to_string(i));
        EXPECT_EQ(score->objectName().toStdString(), "lblScore" + std::to_string(i));
    }
    EXPECT_EQ(window->cmdClear->geometry(), QRect(192, 424, 105, 25));
    EXPECT_EQ(window->cmdClose->geometry(), QRect(304, 424, 105, 25));
    EXPECT_EQ(window->cmdClear->text().toStdString(), "Clear");
    EXPECT_EQ(window->cmdClose->text().toStdString(), "Close");
}

// Every label: "MS Sans Serif" 12 point regular, and plain text so a name is never markup.
TEST_F(HighScoreWindow, LabelsUseTheirFontAndShowPlainText) {
    load();
    for (std::size_t i = 0; i < 10; ++i) {
        for (const QLabel* label : {window->lblPlayer[i], window->lblScore[i]}) {
            SCOPED_TRACE(label->objectName().toStdString());
            EXPECT_EQ(label->font().family().toStdString(), "MS Sans Serif");
            EXPECT_EQ(label->font().pointSize(), 12);
            EXPECT_EQ(label->font().weight(), QFont::Normal);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        }
    }
}

// "Close" comes before "Clear" in the tab order and has the focus whenever the window opens.
TEST_F(HighScoreWindow, CloseHasTheFocusAndClearFollowsIt) {
    load();
    auto nextTabStop = [](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return next;
    };
    EXPECT_EQ(nextTabStop(window->cmdClose), window->cmdClear);
    EXPECT_EQ(nextTabStop(window->cmdClear), window->cmdClose);

    window->show();
    EXPECT_EQ(window->focusWidget(), window->cmdClose);
    window->cmdClear->setFocus();
    window->hide();
    window->show();
    EXPECT_EQ(window->focusWidget(), window->cmdClose);
}

// --- Loading ----------------------------------------------------------------------------------

TEST_F(HighScoreWindow, FirstRunWithoutFileShowsTenBlankRowsSilently) {
    load();
    EXPECT_EQ(window->scoreFilePath(), filePath());
    window->show();
    EXPECT_EQ(rows(), rowsThenBlank({}));
    EXPECT_TRUE(window->cmdClear->isVisible());
    EXPECT_TRUE(window->cmdClose->isVisible());
    EXPECT_TRUE(dialogs.messageBoxes.empty());
    EXPECT_FALSE(std::filesystem::exists(filePath()));
}

// Rows show the file's entries in its order, names without outer spaces; empty entries blank.
TEST_F(HighScoreWindow, ModalShowListsAHandMadeFileInOrder) {
    writeBytes(filePath(), fileOf({{"Ada", 5000},
                                   {"  Grace  ", 4200},
                                   {"Zo\xEB", 900},
                                   {"Linus Torvalds", 12},
                                   {"", 0},
                                   {"Ghost", 0}}));
    load();
    const Rows expected = rowsThenBlank(
        {{"Ada", "5000"}, {"Grace", "4200"}, {"Zo\xC3\xAB", "900"}, {"Linus Torvalds", "12"}});
    // The rows are filled at load, before the window ever shows.
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(rows()[i], expected[i]) << i;

    Rows shown;
    ASSERT_TRUE(whileShownModally(*window, [&] {
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->isModal());
        shown = rows();
        window->cmdClose->click();
        EXPECT_FALSE(window->isVisible());
    }));
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

TEST_F(HighScoreWindow, ShortFileShowsItsWholeRecords) {
    Bytes bytes = fileOf({{"One", 30}, {"Two", 20}, {"Three", 10}});
    bytes.resize(2 * 22 + 11); // the third record is cut part-way
    writeBytes(filePath(), bytes);
    load();
    window->show();
    EXPECT_EQ(rows(), rowsThenBlank({{"One", "30"}, {"Two", "20"}}));
    EXPECT_TRUE(dialogs.messageBoxes.empty());
    EXPECT_TRUE(window->isHighScore(1));
}

// A new window object reads the file anew.
TEST_F(HighScoreWindow, ReloadedWindowShowsWhatTheLastOneSaved) {
    load();
    window->addScore(700, "Hopper");
    window->addScore(800, "Knuth");
    load();
    window->show();
    EXPECT_EQ(rows(), rowsThenBlank({{"Knuth", "800"}, {"Hopper", "700"}}));
}

// --- Adding scores ----------------------------------------------------------------------------

// addScore runs on the hidden window at game over: the rows are current before it next opens.
TEST_F(HighScoreWindow, AddScoreWhileHiddenUpdatesRowsAndFile) {
    writeBytes(filePath(), fileOf({{"Ada", 300}, {"Bob", 200}, {"Cy", 100}}));
    load();
    ASSERT_TRUE(window->isHighScore(250));
    window->addScore(250, "Dee");
    EXPECT_FALSE(window->isVisible());
    const Rows expected =
        rowsThenBlank({{"Ada", "300"}, {"Dee", "250"}, {"Bob", "200"}, {"Cy", "100"}});
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(rows()[i], expected[i]) << i;
    EXPECT_EQ(readBytes(filePath()),
              fileOf({{"Ada", 300}, {"Dee", 250}, {"Bob", 200}, {"Cy", 100}}));

    window->show();
    EXPECT_EQ(rows(), expected);
}

TEST_F(HighScoreWindow, AddScoreWhileOpenShowsAtOnce) {
    load();
    window->show();
    window->addScore(120, "Ann");
    EXPECT_EQ(rows(), rowsThenBlank({{"Ann", "120"}}));
}

// Names are stored as typed (cut or padded to 18 bytes) and shown without outer spaces, as text.
TEST_F(HighScoreWindow, TypedNamesShowTrimmedCutAndLiteral) {
    struct Case {
        const char* name;
        std::string typed;
        std::string shown;
        std::string stored;
    };
    const Case cases[] = {
        {"spaces around", "  Ann  ", "Ann", "  Ann" + std::string(13, ' ')},
        {"twenty characters", "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOPQR"},
        {"markup", "<h1>x</h1>", "<h1>x</h1>", "<h1>x</h1>" + std::string(8, ' ')},
        {"outside the code page", "\xE6\x9D\x8E Wei", "? Wei", "? Wei" + std::string(13, ' ')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(filePath());
        load();
        window->addScore(120, c.typed);
        window->show();
        EXPECT_EQ(rows(), rowsThenBlank({{c.shown, "120"}}));
        EXPECT_EQ(readBytes(filePath()), fileOf({{c.stored, 120}}));
    }
}

// Only isHighScore's yes leads to addScore; a score with no place must change and write nothing.
TEST_F(HighScoreWindow, ScoreBeatingNoEntryChangesAndWritesNothing) {
    std::vector<std::pair<std::string, std::int32_t>> full;
    for (int i = 0; i < 10; ++i)
        full.emplace_back("P" + std::to_string(i), 100 - 10 * i);
    writeBytes(filePath(), fileOf(full));
    load();
    const Rows before = rows();
    EXPECT_FALSE(window->isHighScore(10));

    // Something else changes the file; any save would put the table back over it.
    Bytes elsewhere(220, 0x41);
    writeBytes(filePath(), elsewhere);
    window->addScore(10, "Late");
    window->addScore(0, "Nobody");
    EXPECT_EQ(readBytes(filePath()), elsewhere);
    EXPECT_EQ(rows(), before);
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

// --- Clear and Close --------------------------------------------------------------------------

TEST_F(HighScoreWindow, ClearBlanksRowsAtOnceAndLeaves220ZeroBytes) {
    writeBytes(filePath(), fileOf({{"Ada", 300}, {"Bob", 200}}));
    load();
    ASSERT_TRUE(whileShownModally(*window, [&] {
        window->cmdClear->click();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(rows(), rowsThenBlank({}));
        EXPECT_EQ(readBytes(filePath()), Bytes(220, 0));
        window->cmdClose->click();
    }));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->isHighScore(1));
    EXPECT_FALSE(window->isHighScore(0));

    Rows reopened;
    ASSERT_TRUE(whileShownModally(*window, [&] { reopened = rows(); }));
    EXPECT_EQ(reopened, rowsThenBlank({}));
    load();
    window->show();
    EXPECT_EQ(rows(), rowsThenBlank({}));
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}

// Clear writes over the first 220 bytes only.
TEST_F(HighScoreWindow, ClearKeepsTheTailOfALongerFile) {
    Bytes bytes = fileOf({{"Ada", 300}});
    const Bytes tail = {'t', 'a', 'i', 'l', 0xFF};
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    writeBytes(filePath(), bytes);
    load();
    window->cmdClear->click();
    Bytes expected(220, 0);
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(readBytes(filePath()), expected);
}

// --- Files that cannot be read or written -----------------------------------------------------

// A folder where the file should be: a warning naming it, an empty table, and the folder stays.
TEST_F(HighScoreWindow, UnreadableFileWarnsAndIsNeverWrittenOver) {
    ASSERT_TRUE(std::filesystem::create_directory(filePath()));
    load();
    ASSERT_EQ(dialogs.messageBoxes.size(), 1u);
    const auto& loadBox = dialogs.messageBoxes[0];
    EXPECT_EQ(loadBox.style, platform::vbExclamation);
    EXPECT_EQ(loadBox.title, "High Scores");
    EXPECT_NE(loadBox.text.find(filePath()), std::string::npos);
    EXPECT_NE(loadBox.text.find("Is a directory"), std::string::npos);

    // The table works in memory; every save is refused with a warning.
    ASSERT_TRUE(window->isHighScore(50));
    window->addScore(50, "Ann");
    window->cmdClear->click();
    window->addScore(60, "Bo");
    ASSERT_EQ(dialogs.messageBoxes.size(), 4u);
    for (std::size_t i = 1; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dialogs.messageBoxes[i].style, platform::vbExclamation);
        EXPECT_NE(dialogs.messageBoxes[i].text.find(filePath()), std::string::npos);
        EXPECT_NE(dialogs.messageBoxes[i].text.find("not saved"), std::string::npos);
    }
    window->show();
    EXPECT_EQ(rows(), rowsThenBlank({{"Bo", "60"}}));
    EXPECT_TRUE(std::filesystem::is_directory(filePath()));
    EXPECT_TRUE(std::filesystem::is_empty(filePath()));
}

// When the file cannot be written the table stays in memory and the user is told why.
TEST_F(HighScoreWindow, FailedSaveWarnsAndKeepsTheTable) {
    struct Case {
        const char* name;
        std::function<void(const std::string& folder, const std::string& file)> block;
        const char* reason;
    };
    const Case cases[] = {
        {"a folder in the file's place",
         [](const std::string&, const std::string& file) {
             std::filesystem::create_directory(file);
         },
         "Is a directory"},
        {"the program's folder replaced by a file",
         [](const std::string& folder, const std::string&) {
             std::filesystem::remove_all(folder);
             std::ofstream(folder) << "not a folder";
         },
         "Not a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir parent;
        ASSERT_TRUE(parent.isValid());
        const std::string programFolder = parent.filePath("velquist").toStdString();
        ASSERT_TRUE(std::filesystem::create_directory(programFolder));
        platform::setAppPathForTesting(programFolder);
        dialogs.messageBoxes.clear();
        load();
        ASSERT_TRUE(dialogs.messageBoxes.empty());

        c.block(programFolder, window->scoreFilePath());
        window->addScore(90, "Ann");
        ASSERT_EQ(dialogs.messageBoxes.size(), 1u);
        const auto& box = dialogs.messageBoxes[0];
        EXPECT_EQ(box.style, platform::vbExclamation);
        EXPECT_NE(box.text.find(window->scoreFilePath()), std::string::npos);
        EXPECT_NE(box.text.find(c.reason), std::string::npos);
        EXPECT_EQ(rows()[0], Row("Ann", "90"));

        window->cmdClear->click();
        EXPECT_EQ(dialogs.messageBoxes.size(), 2u);
        window.reset();
    }
}

// --- From the main window ---------------------------------------------------------------------

namespace {

// The real main window, started with a hand-made "HScores.dt" beside the program.
class HighScoresMenu : public GameFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        writeBytes(filePath(), fileOf({{"Ada", 5000}, {"  Bob", 4000}, {"Cy", 3000}}));
        GameFixture::SetUp();
    }
    std::string filePath() const { return folderPath() + "/HScores.dt"; }
};

} // namespace

TEST_F(HighScoresMenu, ShowsTheFileModallyOverTheMainWindowClearsAndCloses) {
    frmHigh* high = window->highScores;
    ASSERT_NE(high, nullptr);
    EXPECT_FALSE(high->isVisible());
    EXPECT_EQ(high->parentWidget(), window.get());

    bool ran = false;
    QTimer::singleShot(0, high, [&] {
        ran = true;
        EXPECT_TRUE(high->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), high);
        EXPECT_EQ(rowsOf(*high), rowsThenBlank({{"Ada", "5000"}, {"Bob", "4000"}, {"Cy", "3000"}}));
        high->cmdClear->click();
        EXPECT_EQ(rowsOf(*high), rowsThenBlank({}));
        EXPECT_EQ(readBytes(filePath()), Bytes(220, 0));
        high->cmdClose->click();
    });
    window->mnuHigh->trigger();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(high->isVisible());
    EXPECT_EQ(window->highScores, high);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(dialogs.messageBoxes.empty());
}
