// A long randomized soak through the real windows on the offscreen platform. It plays game after
// game event by event: timer ticks, key storms through real key releases in the play area (letters,
// Insert, other keys), Pause, New Game and End Game at random moments, resizes down to and below
// the 100-pixel thresholds, minimising and restoring, the High Scores window shown during play
// with ticks arriving under it, the program restarted, and every name box answered at random.
// After every event it checks the game against a model of what that event must do, and checks
// the invariants that always hold: the letters for the state, their codes and places, the status
// line, the timer, the high-score file and its table, and that no game over starts inside another.
//
// The run is fixed by a seed. By default (in CI) it plays 300 games and at least 100,000 ticks with
// a fixed seed; for a longer run set, for example,
//   VELQUIST_SOAK_SEED=7 VELQUIST_SOAK_GAMES=3000 VELQUIST_SOAK_TICKS=1000000
//   build-asan/tests/velquist_soak
// The run stops once it has started at least VELQUIST_SOAK_GAMES games and delivered at least
// VELQUIST_SOAK_TICKS ticks. A failure names the seed, the game and the event that broke a check.
#include "forms/frmHigh.h"
#include "forms/highScoreTable.h"
#include "game/gameCode.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "support/gameFixture.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using gameCode::FallingLetter;
using highScoreTable::ScoreTable;

namespace {

constexpr std::uint64_t defaultSeed = 20261206;
constexpr std::uint64_t defaultGames = 300; // under two minutes with the sanitizers
constexpr std::uint64_t defaultTicks = 100000;

constexpr std::array<std::int32_t, 7> colourTable = {255,   65280,    16711680, 65535,
                                                     33023, 16711935, 16776960};
constexpr int bannerTicks = 50;
constexpr const char* namePrompt = "Please enter you name, cancel to exit";

std::uint64_t settingFromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return fallback;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);
    if (end == nullptr || *end != '\0') {
        ADD_FAILURE() << name << " is not a number: " << text;
        return fallback;
    }
    return value;
}

std::string statusFor(std::int32_t hits, std::int32_t level, std::int32_t score) {
    return std::to_string(hits) + " out of " +
           std::to_string(static_cast<std::int16_t>(level * 5)) +
           " LETTERS        SCORE: " + std::to_string(score) +
           "       LEVEl: " + std::to_string(level);
}

bool isWhole(float value) {
    return std::isfinite(value) && std::floor(value) == value;
}

bool sameLetter(const FallingLetter& a, const FallingLetter& b) {
    return a.letter == b.letter && a.x == b.x && a.y == b.y && a.colour == b.colour &&
           a.slow == b.slow;
}

bool sameLetters(const std::vector<FallingLetter>& a, const std::vector<FallingLetter>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameLetter);
}

bool isBlank(const FallingLetter& record) {
    return sameLetter(record, FallingLetter{});
}

// Two letters whose test rectangles (no width, 5 pixels high) touch.
bool collide(const FallingLetter& a, const FallingLetter& b) {
    return a.x == b.x && std::fabs(a.y - b.y) <= 5;
}

std::string describe(const FallingLetter& r) {
    std::ostringstream out;
    out << "{letter " << r.letter << ", x " << r.x << ", y " << r.y << ", colour " << r.colour
        << ", slow " << r.slow << "}";
    return out.str();
}

// What the game state looks like between two events.
struct State {
    std::vector<FallingLetter> letters;
    std::int16_t level = 0;
    std::int16_t hits = 0;
    std::int16_t introTicks = 0;
    std::int32_t score = 0;
    bool intro = false;
    bool over = false;
    bool paused = false;
    bool timer = false;
    bool soundOn = false;
    std::string status;
    int width = 0;  // of the play area
    int height = 0; // of the play area
};

// The high-score table as the file must hold it, kept by rules of its own.
struct TableModel {
    ScoreTable table{};

    bool qualifies(std::int32_t score) const {
        for (const auto& entry : table)
            if (score > entry.score)
                return true;
        return false;
    }
    void enter(std::int32_t score, const std::string& typed) {
        std::size_t place = 0;
        while (place < table.size() && table[place].score >= score)
            ++place;
        ASSERT_LT(place, table.size());
        for (std::size_t i = table.size() - 1; i > place; --i)
            table[i] = table[i - 1];
        table[place] = {highScoreTable::storedName(typed), score};
    }
};

std::vector<unsigned char> imageOf(const ScoreTable& table) {
    std::vector<unsigned char> bytes;
    for (const auto& entry : table) {
        bytes.insert(bytes.end(), entry.playerName.begin(), entry.playerName.end());
        const auto value = static_cast<std::uint32_t>(entry.score);
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
    return bytes;
}

std::optional<std::vector<unsigned char>> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>());
}

class Soak : public GameFixture {
  protected:
    // --- Set-up -----------------------------------------------------------------------------

    void SetUp() override {
        seed = settingFromEnvironment("VELQUIST_SOAK_SEED", defaultSeed);
        gamesWanted = settingFromEnvironment("VELQUIST_SOAK_GAMES", defaultGames);
        ticksWanted = settingFromEnvironment("VELQUIST_SOAK_TICKS", defaultTicks);
        rng.seed(seed);
        ASSERT_TRUE(folder.isValid());
        writeStartingFile();
        GameFixture::SetUp();
        platform::fixSeed(seed);
        dialogs.whileOpen = [this] {
            boxOpened();
        };
        sound.played.reserve(1024);
        adoptWindow();
    }

    // The file the first run finds: none, a part-filled or a full table in order, and sometimes
    // bytes after the table that no save may touch.
    void writeStartingFile() {
        const int kind = pick(4);
        if (kind == 0)
            return;
        // Scores that short games reach, so that new scores often tie with old ones.
        static const std::array<std::int32_t, 10> scores = {500, 300, 200, 120, 100,
                                                            60,  40,  30,  20,  10};
        const int entries = kind == 1 ? 1 + pick(9) : 10;
        for (int i = 0; i < entries; ++i)
            model.table[static_cast<std::size_t>(i)] = {
                highScoreTable::storedName("Seed " + std::to_string(i)),
                scores[static_cast<std::size_t>(i)]};
        std::vector<unsigned char> bytes = imageOf(model.table);
        if (kind == 3) {
            const int extra = 1 + pick(40);
            for (int i = 0; i < extra; ++i)
                tail.push_back(static_cast<unsigned char>(pick(256)));
            bytes.insert(bytes.end(), tail.begin(), tail.end());
        }
        std::ofstream out(scoreFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good());
        fileWritten = true;
    }

    // Takes charge of the timer's ticks: only the ticks this test delivers run, so the run is the
    // same for the same seed however fast the machine is. A tick the real timer fires while an
    // event is being handled is dropped, as if it had not come yet.
    void adoptWindow() {
        auto original = window->gameLoop.onTimer;
        window->gameLoop.onTimer = [this, original] {
            if (deliveringTick)
                original();
            else
                ++droppedTimerTicks;
        };
        firstGameOfWindow = true;
        blackLetters = false;
        everReset = false;
    }

    // The program closed and started again: a new process reads the file anew.
    void restartProgram() {
        window->cmdExit->click();
        ASSERT_FALSE(window->isVisible());
        window.reset();
        resetEngineState();
        window = std::make_unique<frmMain>();
        window->showMaximized();
        processEvents();
        adoptWindow();
        expectRowsMatchModel("after a restart");
    }

    // --- Random choices ---------------------------------------------------------------------

    int pick(int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }

    std::string randomName() {
        static const std::vector<std::string> names = {
            "",
            "",
            "Ann",
            "Zoë Quist",
            "  Bob  ",
            "李伟",
            "Ωμέγα Δέλτα",
            "Владимир Набоков",
            "e\xCC\x81l\xCC\x88ve",
            "🎮 Player One 🎮",
            "<b>markup</b> & \"quotes\"",
            "\tTab\tName",
            "A very long name that goes on for well over eighteen characters",
            "                   ",
            "€‚ƒ„…†‡ˆ‰Š‹ŒŽ",
        };
        if (chance(0.7))
            return names[static_cast<std::size_t>(pick(static_cast<int>(names.size())))];
        // Random code points from several blocks, combining marks and emoji among them.
        static const std::vector<std::pair<char32_t, char32_t>> blocks = {
            {0x20, 0x7E},     {0xA0, 0xFF},     {0x100, 0x17F},   {0x300, 0x36F},
            {0x391, 0x3C9},   {0x410, 0x44F},   {0x4E00, 0x4E80}, {0x1F600, 0x1F64F},
            {0x2000, 0x206F}, {0xFB00, 0xFB06}, {0x1100, 0x1112}};
        std::u32string points;
        const int length = pick(41);
        for (int i = 0; i < length; ++i) {
            const auto& [low, high] =
                blocks[static_cast<std::size_t>(pick(static_cast<int>(blocks.size())))];
            points.push_back(low + static_cast<char32_t>(pick(static_cast<int>(high - low + 1))));
        }
        return QString::fromUcs4(points.data(), static_cast<qsizetype>(points.size()))
            .toStdString();
    }

    // --- Reading the game -------------------------------------------------------------------

    State capture() const {
        State s;
        s.letters = gameCode::letters;
        s.level = gameCode::currentLevel;
        s.hits = gameCode::lettersHit;
        s.introTicks = gameCode::introTicks;
        s.score = gameCode::gameScore;
        s.intro = gameCode::levelIntro;
        s.over = gameCode::gameOver;
        s.paused = gameCode::gamePaused;
        s.timer = window->gameLoop.enabled();
        s.soundOn = gameCode::soundOn;
        s.status = statusText();
        s.width = window->picGame.scaleWidth();
        s.height = window->picGame.scaleHeight();
        return s;
    }

    std::string scoreFile() const { return folderPath() + "/HScores.dt"; }
    std::string hitFile() const { return folderPath() + "/hit.wav"; }

    std::string where() const {
        std::ostringstream out;
        out << "seed " << seed << ", game " << games << ", event " << events << " (" << event
            << "), tick " << ticks;
        return out.str();
    }

    // Pixels of the colour in the band at the top of the play area where the overlays are written.
    int overlayPixels(std::int32_t bgr) const {
        const QImage& image = screen();
        const int bandHeight = std::min(image.height(), 60);
        if (bandHeight <= 0)
            return 0;
        return countPixels(image.copy(0, 0, image.width(), bandHeight), bgr);
    }

    // --- Invariants that hold between any two events ------------------------------------------

    void checkInvariants(const std::string& when) {
        SCOPED_TRACE(where() + ", " + when);
        const State s = capture();
        ASSERT_FALSE(gameCode::gameEnding) << "the game-over sequence outlived its tick";
        ASSERT_FALSE(platform::dialogOpen());
        ASSERT_TRUE(dialogs.messageBoxes.empty())
            << "unexpected box: " << dialogs.messageBoxes.front().text;
        ASSERT_GE(s.introTicks, 0);
        ASSERT_LE(s.introTicks, bannerTicks);

        if (s.level == 0) {
            ASSERT_FALSE(s.timer) << "the timer runs without a game";
            if (everReset) {
                ASSERT_EQ(s.letters.size(), 1u);
                ASSERT_TRUE(isBlank(s.letters[0])) << describe(s.letters[0]);
                ASSERT_EQ(s.status, statusFor(0, 0, 0));
            } else {
                ASSERT_TRUE(s.letters.empty());
                ASSERT_EQ(s.status, "");
            }
        } else {
            ASSERT_GT(s.level, 0);
            ASSERT_FALSE(s.over);
            const std::size_t expected = static_cast<std::size_t>(2 * s.level + (s.intro ? 4 : 6));
            ASSERT_EQ(s.letters.size(), expected) << "level " << s.level << ", banner " << s.intro;
            for (const FallingLetter& r : s.letters) {
                ASSERT_GE(r.letter, 65) << describe(r);
                ASSERT_LE(r.letter, 90) << describe(r);
                ASSERT_TRUE(isWhole(r.x) && isWhole(r.y)) << describe(r);
                ASSERT_GE(r.x, 0) << describe(r);
                ASSERT_GE(r.y, 0) << describe(r);
                const bool knownColour = std::find(colourTable.begin(), colourTable.end(),
                                                   r.colour) != colourTable.end();
                ASSERT_TRUE(knownColour || (r.colour == 0 && blackLetters)) << describe(r);
            }
            if (!s.timer) {
                ASSERT_TRUE(s.paused) << "a game stands still without being paused";
            }
            ASSERT_EQ(window->gameLoop.interval(), 30);
            if (!s.intro) {
                ASSERT_EQ(s.status, statusFor(s.hits, s.level, s.score));
            }
        }
        ASSERT_EQ(s.soundOn, window->mnuSound->isChecked());
        checkFile();
    }

    // "HScores.dt": 220 bytes holding the table in order, followed by the bytes it started with.
    void checkFile() {
        const auto bytes = fileBytes(scoreFile());
        if (!fileWritten) {
            ASSERT_FALSE(bytes.has_value()) << "the file appeared before any save";
            return;
        }
        ASSERT_TRUE(bytes.has_value()) << "the file is gone";
        std::vector<unsigned char> expected = imageOf(model.table);
        expected.insert(expected.end(), tail.begin(), tail.end());
        ASSERT_EQ(bytes->size(), expected.size());
        ASSERT_TRUE(*bytes == expected) << "the file does not hold the table";
        for (std::size_t i = 1; i < model.table.size(); ++i) {
            ASSERT_GE(model.table[i - 1].score, model.table[i].score);
        }
    }

    void expectRowsMatchModel(const std::string& when) {
        SCOPED_TRACE(where() + ", " + when);
        const frmHigh* high = window->highScores;
        ASSERT_NE(high, nullptr);
        for (std::size_t i = 0; i < model.table.size(); ++i) {
            const auto& entry = model.table[i];
            if (entry.score == 0)
                continue;
            ASSERT_EQ(high->lblPlayer[i]->text().toStdString(),
                      highScoreTable::shownName(entry.playerName))
                << "row " << i;
            ASSERT_EQ(high->lblScore[i]->text().toStdString(), std::to_string(entry.score))
                << "row " << i;
        }
    }

    // A record just placed: a letter, and a whole-number place inside the ranges of the play area
    // as it is now (x from 0 to its width, y from 0 to a third of its height).
    void expectPlaced(const FallingLetter& r, const State& now, bool colourZero) {
        ASSERT_GE(r.letter, 65) << describe(r);
        ASSERT_LE(r.letter, 90) << describe(r);
        ASSERT_TRUE(isWhole(r.x) && isWhole(r.y)) << describe(r);
        ASSERT_GE(r.x, 0) << describe(r);
        ASSERT_LE(r.x, now.width) << describe(r) << " width " << now.width;
        ASSERT_GE(r.y, 0) << describe(r);
        ASSERT_LE(r.y, std::lrint(now.height / 3.0)) << describe(r) << " height " << now.height;
        if (colourZero) {
            ASSERT_EQ(r.colour, 0) << describe(r);
        } else {
            ASSERT_NE(std::find(colourTable.begin(), colourTable.end(), r.colour),
                      colourTable.end())
                << describe(r);
        }
        if (gameCode::currentLevel >= 20) {
            ASSERT_FALSE(r.slow) << describe(r);
        }
    }

    // A whole layout: every record placed, none touching one placed before it, and none touching
    // the blank records (at 0, 0) that still followed it when it was placed.
    void expectLayout(const State& now, std::size_t size, bool colourZero) {
        ASSERT_EQ(now.letters.size(), size);
        for (std::size_t i = 0; i < size; ++i) {
            expectPlaced(now.letters[i], now, colourZero);
            for (std::size_t j = 0; j < i; ++j) {
                ASSERT_FALSE(collide(now.letters[i], now.letters[j]))
                    << i << " " << describe(now.letters[i]) << " and " << j << " "
                    << describe(now.letters[j]);
            }
            if (i + 1 < size) {
                ASSERT_FALSE(collide(now.letters[i], FallingLetter{}))
                    << i << " " << describe(now.letters[i]) << " touched a blank record";
            }
        }
    }

    // --- Boxes --------------------------------------------------------------------------------

    // Runs while a box is open: no other box may be open, the name box belongs to a game over
    // with the timer off, and what still reaches the program under it (paints, resizes, a stray
    // timer event, minimising) must not start anything. Then the box is answered at random.
    void boxOpened() {
        ++boxDepth;
        struct Leave {
            int& depth;
            ~Leave() { --depth; }
        } leave{boxDepth};
        SCOPED_TRACE(where() + ", inside a box");
        ASSERT_EQ(boxDepth, 1) << "a box opened inside another box";
        if (dialogs.inputBoxes.size() == inputBoxesSeen) {
            // A message box: nothing in a healthy run shows one; the invariants report it.
            return;
        }
        ASSERT_EQ(dialogs.inputBoxes.size(), inputBoxesSeen + 1);
        ++inputBoxesSeen;
        ++nameBoxes;
        ASSERT_EQ(dialogs.inputBoxes.back().prompt, namePrompt);
        ASSERT_EQ(dialogs.inputBoxes.back().title, "High Score");
        ASSERT_TRUE(gameCode::gameEnding);
        ASSERT_TRUE(gameCode::gameOver);
        ASSERT_FALSE(window->gameLoop.enabled());
        ASSERT_TRUE(expectingNameBox) << "a name box the model did not expect";
        expectingNameBox = false;

        const State under = capture();
        const int stirs = pick(4);
        for (int i = 0; i < stirs; ++i) {
            switch (pick(5)) {
            case 0: // a paint: the game-over screen is written again
                window->picGame_Paint();
                if (under.width >= 300 && under.height >= 60) {
                    ASSERT_GT(overlayPixels(gameCode::red), 0);
                }
                break;
            case 1: // a stray timer event: held back while the game ends
                window->gameLoop_Timer();
                break;
            case 2:
                ASSERT_FALSE(deliverTick()) << "a tick ran under the name box";
                break;
            case 3: // minimised and restored by the window manager under the box
                window->showMinimized();
                window->showMaximized();
                sendPosted();
                break;
            default:
                resizeClient(200 + pick(800), 200 + pick(500));
                break;
            }
            const State after = capture();
            ASSERT_FALSE(after.timer) << "the timer started under the name box";
            ASSERT_TRUE(sameLetters(after.letters, under.letters));
            ASSERT_EQ(after.level, under.level);
            ASSERT_EQ(after.score, under.score);
            ASSERT_EQ(dialogs.inputBoxes.size(), inputBoxesSeen) << "a second name box";
            ASSERT_TRUE(gameCode::gameEnding);
        }
        lastAnswer = randomName();
        dialogs.answers.push_back(lastAnswer);
    }

    // --- Events -------------------------------------------------------------------------------

    bool deliverTick() {
        deliveringTick = true;
        const bool ran = window->gameLoop.deliverTick();
        deliveringTick = false;
        return ran;
    }

    static void sendPosted() { QApplication::sendPostedEvents(); }

    // Gives the window a client area of about this size (the window less its menu bar).
    void resizeClient(int width, int height) {
        window->showNormal();
        window->resize(std::max(width, 1), std::max(height, 1) + window->menuBar()->height());
        sendPosted();
    }

    // One tick, checked against what a tick must do from the state before it.
    void tickAndCheck() {
        const State before = capture();
        const std::size_t soundsBefore = sound.played.size();
        const std::size_t boxesBefore = dialogs.inputBoxes.size();
        const bool qualifies = model.qualifies(before.score);
        event = "tick";
        ++events;
        // Work out whether this tick ends the game, so the name box can be expected.
        bool endsGame = false;
        if (!before.intro) {
            for (const FallingLetter& r : before.letters)
                if (r.y + (r.slow ? 1.0f : 6.0f) + 5.0f > static_cast<float>(before.height))
                    endsGame = true;
        }
        expectingNameBox = endsGame && qualifies;
        ASSERT_TRUE(deliverTick()) << where();
        ++ticks;
        sendPosted();
        const State after = capture();
        SCOPED_TRACE(where());

        if (before.intro) {
            ASSERT_EQ(after.introTicks,
                      before.introTicks + 1 > bannerTicks ? 0 : before.introTicks + 1);
            if (before.introTicks + 1 > bannerTicks) {
                // The banner ends and the level is laid out.
                blackLetters = false;
                ASSERT_FALSE(after.intro);
                ASSERT_EQ(after.level, before.level);
                ASSERT_EQ(after.hits, 0);
                ASSERT_EQ(after.score, before.score);
                ASSERT_TRUE(after.timer);
                expectLayout(after, static_cast<std::size_t>(2 * after.level + 6), false);
                ASSERT_EQ(after.status, statusFor(0, after.level, after.score));
            } else {
                ASSERT_TRUE(after.intro);
                ASSERT_TRUE(sameLetters(after.letters, before.letters));
                ASSERT_EQ(after.level, before.level);
                ASSERT_EQ(after.status, before.status);
            }
            ASSERT_EQ(sound.played.size(), soundsBefore);
            ASSERT_EQ(dialogs.inputBoxes.size(), boxesBefore);
            return;
        }

        std::vector<FallingLetter> moved = before.letters;
        for (FallingLetter& r : moved)
            r.y += r.slow ? 1.0f : 6.0f;
        const bool complete = before.hits == static_cast<std::int16_t>(before.level * 5);
        const std::size_t levelSounds = complete && before.soundOn ? 1 : 0;
        ASSERT_EQ(sound.played.size(), soundsBefore + levelSounds);
        if (levelSounds) {
            ASSERT_EQ(sound.played.back(), gameCode::levelSoundFile);
        }

        if (!endsGame) {
            ASSERT_TRUE(sameLetters(after.letters, moved)) << "letters did not fall by their step";
            ASSERT_EQ(after.level, before.level + (complete ? 1 : 0));
            ASSERT_EQ(after.intro, complete);
            ASSERT_EQ(after.hits, before.hits);
            ASSERT_EQ(after.score, before.score);
            ASSERT_TRUE(after.timer);
            ASSERT_EQ(after.status, before.status);
            ASSERT_EQ(dialogs.inputBoxes.size(), boxesBefore);
            if (complete && after.width >= 300) {
                ASSERT_GT(overlayPixels(gameCode::green), 0) << "no banner";
            }
            return;
        }

        // Game over: the timer off, the red screen, the name box when the score earns a place,
        // and the game reset with its score kept.
        ++gameOvers;
        everReset = true;
        blackLetters = false;
        ASSERT_TRUE(after.over);
        ASSERT_FALSE(after.timer);
        ASSERT_EQ(after.level, 0);
        ASSERT_EQ(after.score, before.score);
        ASSERT_EQ(after.letters.size(), 1u);
        ASSERT_EQ(after.status, statusFor(0, 0, 0));
        ASSERT_EQ(dialogs.inputBoxes.size(), boxesBefore + (qualifies ? 1 : 0))
            << "score " << before.score;
        ASSERT_FALSE(expectingNameBox) << "the name box did not open";
        if (after.width >= 300 && after.height >= 60) {
            ASSERT_GT(overlayPixels(gameCode::red), 0) << "no game-over screen";
        }
        if (qualifies && !lastAnswer.empty()) {
            for (const auto& entry : model.table)
                if (entry.score == before.score) {
                    ++ties;
                    break;
                }
            model.enter(before.score, lastAnswer);
            fileWritten = true;
            ++scoresEntered;
            expectRowsMatchModel("after a score was entered");
        }
    }

    // A key released in the play area, checked against what the key must do.
    void keyAndCheck(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const State before = capture();
        const std::size_t soundsBefore = sound.played.size();
        event = "key " + std::to_string(key);
        ++events;
        ++keys;
        release(key, modifiers);
        sendPosted();
        const State after = capture();
        SCOPED_TRACE(where());
        const bool isLetter = key >= Qt::Key_A && key <= Qt::Key_Z;
        if (before.level <= 0 || (!isLetter && key != Qt::Key_Insert)) {
            ASSERT_TRUE(sameLetters(after.letters, before.letters));
            ASSERT_EQ(after.timer, before.timer);
            ASSERT_EQ(after.score, before.score);
            ASSERT_EQ(after.hits, before.hits);
            ASSERT_EQ(after.status, before.status);
            ASSERT_EQ(sound.played.size(), soundsBefore);
            return;
        }
        if (key == Qt::Key_Insert) {
            ASSERT_EQ(after.timer, !before.timer);
            ASSERT_EQ(after.paused, !after.timer);
            ASSERT_TRUE(sameLetters(after.letters, before.letters));
            return;
        }

        const std::int32_t code = 65 + (key - Qt::Key_A);
        // The first matching fast letter, else the lowest matching slow one.
        int chosen = -1;
        for (std::size_t i = 0; i < before.letters.size(); ++i) {
            const FallingLetter& r = before.letters[i];
            if (r.letter != code)
                continue;
            if (!r.slow) {
                chosen = static_cast<int>(i);
                break;
            }
            if (chosen < 0 || r.y > before.letters[static_cast<std::size_t>(chosen)].y)
                chosen = static_cast<int>(i);
        }
        ASSERT_EQ(after.timer, before.timer);
        ASSERT_EQ(after.level, before.level);
        if (chosen < 0) {
            std::vector<FallingLetter> fast = before.letters;
            for (FallingLetter& r : fast)
                r.slow = false;
            ASSERT_TRUE(sameLetters(after.letters, fast)) << "a miss must make every letter fast";
            ASSERT_EQ(after.score, before.score);
            ASSERT_EQ(after.hits, before.hits);
            ASSERT_EQ(after.status, before.status);
            ASSERT_EQ(sound.played.size(), soundsBefore);
            return;
        }
        ++hits;
        const auto index = static_cast<std::size_t>(chosen);
        const FallingLetter& hit = before.letters[index];
        const float twoThirds = static_cast<float>(before.height) / 3.0f * 2.0f;
        const std::int32_t points = !hit.slow ? 100 : (twoThirds > hit.y ? 20 : 10);
        ASSERT_EQ(after.score, before.score + points);
        ASSERT_EQ(after.hits, before.hits + 1);
        ASSERT_EQ(after.status, statusFor(after.hits, after.level, after.score));
        ASSERT_EQ(after.letters.size(), before.letters.size());
        for (std::size_t j = 0; j < after.letters.size(); ++j) {
            if (j == index)
                continue;
            ASSERT_TRUE(sameLetter(after.letters[j], before.letters[j])) << "letter " << j;
            ASSERT_FALSE(collide(after.letters[index], after.letters[j]))
                << "the new letter touches letter " << j;
        }
        expectPlaced(after.letters[index], after, false);
        ASSERT_EQ(sound.played.size(), soundsBefore + (before.soundOn ? 1 : 0));
        if (before.soundOn) {
            ASSERT_EQ(sound.played.back(), hitFile());
        }
    }

    void newGameAndCheck() {
        const State before = capture();
        const std::size_t soundsBefore = sound.played.size();
        event = "New Game";
        ++events;
        ++games;
        if (chance(0.5))
            window->cmdBegin->click();
        else
            window->mnuNew->trigger();
        sendPosted();
        const State after = capture();
        SCOPED_TRACE(where());
        ASSERT_TRUE(window->isMaximized());
        ASSERT_EQ(after.level, 1);
        ASSERT_TRUE(after.intro);
        ASSERT_FALSE(after.over);
        ASSERT_TRUE(after.timer);
        ASSERT_EQ(after.score, 0);
        ASSERT_EQ(after.hits, 0);
        ASSERT_EQ(after.paused, before.paused) << "New Game does not touch the pause flag";
        ASSERT_EQ(after.introTicks, before.introTicks) << "a banner cut short keeps its count";
        expectLayout(after, 6, firstGameOfWindow);
        ASSERT_EQ(after.status, statusFor(0, 0, 0));
        ASSERT_EQ(sound.played.size(), soundsBefore + (before.soundOn ? 1 : 0));
        ASSERT_GT(overlayPixels(gameCode::green), 0) << "no LEVEL 1 banner";
        ASSERT_TRUE(window->picGame.hasFocus() || !window->isActiveWindow());
        everReset = everReset || before.timer || before.paused;
        // The first layout of a run is made before the colours are filled in.
        blackLetters = firstGameOfWindow;
        firstGameOfWindow = false;
        skill = pick(4);
    }

    void endGameAndCheck() {
        const State before = capture();
        event = "End Game";
        ++events;
        window->cmdEnd->click();
        sendPosted();
        everReset = true;
        blackLetters = false;
        const State after = capture();
        SCOPED_TRACE(where());
        ASSERT_FALSE(after.timer);
        ASSERT_EQ(after.level, 0);
        ASSERT_EQ(after.score, before.score);
        ASSERT_EQ(after.paused, before.paused);
        ASSERT_EQ(after.status, statusFor(0, 0, 0));
        ASSERT_EQ(dialogs.inputBoxes.size(), inputBoxesSeen) << "End Game offered the score";
    }

    void pauseAndCheck() {
        const State before = capture();
        event = "Pause";
        ++events;
        window->cmdPause->click();
        sendPosted();
        const State after = capture();
        SCOPED_TRACE(where());
        if (before.level > 0) {
            ASSERT_EQ(after.timer, !before.timer);
            ASSERT_EQ(after.paused, !after.timer);
        } else {
            ASSERT_EQ(after.timer, before.timer);
        }
        ASSERT_TRUE(sameLetters(after.letters, before.letters));
        ASSERT_TRUE(window->picGame.hasFocus() || !window->isActiveWindow());
    }

    // A resize to a random size, often right at the thresholds of the layout rule.
    void resizeAndCheck() {
        static const std::array<int, 9> edges = {1, 40, 99, 100, 101, 102, 130, 160, 161};
        auto size = [this](int largest) {
            return chance(0.4) ? edges[static_cast<std::size_t>(pick(edges.size()))]
                               : 1 + pick(largest);
        };
        event = "resize";
        ++events;
        ++resizes;
        // Restored to its normal size first (a layout of its own), then resized.
        window->showNormal();
        sendPosted();
        const State before = capture();
        resizeClient(size(1024), size(740));
        const State after = capture();
        SCOPED_TRACE(where());
        const int clientWidth = window->scaleWidth();
        const int clientHeight = window->scaleHeight();
        ASSERT_EQ(after.width, clientWidth > 100 ? clientWidth - 30 : before.width)
            << "client width " << clientWidth;
        ASSERT_EQ(after.height, clientHeight > 100 ? clientHeight - 60 : before.height)
            << "client height " << clientHeight;
        ASSERT_EQ(window->picGame.left(), 8);
        ASSERT_EQ(window->picGame.top(), 8);
        ASSERT_EQ(window->frameButtons->x(), 8);
        ASSERT_EQ(window->frameButtons->y(), 8 + after.height);
        ASSERT_EQ(window->frameButtons->width(), after.width);
        ASSERT_EQ(after.timer, before.timer);
        ASSERT_TRUE(sameLetters(after.letters, before.letters));
    }

    void minimiseAndCheck() {
        const State before = capture();
        event = "minimise";
        ++events;
        window->showMinimized();
        sendPosted();
        const State after = capture();
        SCOPED_TRACE(where());
        ASSERT_TRUE(window->isMinimized());
        ASSERT_EQ(after.timer, before.level > 0 ? !before.timer : before.timer);
        if (before.level > 0) {
            ASSERT_EQ(after.paused, !after.timer);
        }
        ASSERT_TRUE(sameLetters(after.letters, before.letters));
    }

    void restoreAndCheck() {
        const State before = capture();
        event = "restore";
        ++events;
        if (chance(0.5))
            window->showMaximized();
        else
            window->showNormal();
        sendPosted();
        const State after = capture();
        SCOPED_TRACE(where());
        ASSERT_FALSE(window->isMinimized());
        ASSERT_EQ(after.timer, before.timer) << "restoring flips nothing";
        ASSERT_EQ(after.paused, before.paused);
        ASSERT_TRUE(sameLetters(after.letters, before.letters));
    }

    // The High Scores window, shown modally from the menu while the game goes on: ticks arrive
    // under it, a game may end and enter its score there, Clear may be pressed; then Close.
    void highScoresAndCheck() {
        event = "High Scores";
        ++events;
        ++highScoreShows;
        frmHigh* high = window->highScores;
        bool ran = false;
        QTimer::singleShot(0, high, [&] {
            ran = true;
            whileHighScoresOpen(high);
            // Closed however the checks went, or exec() would never return.
            if (high->isVisible())
                high->hide();
        });
        window->mnuHigh->trigger();
        ASSERT_TRUE(ran) << where();
        ASSERT_FALSE(high->isVisible());
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    void whileHighScoresOpen(frmHigh* high) {
        SCOPED_TRACE(where() + ", High Scores open");
        ASSERT_EQ(QApplication::activeModalWidget(), high);
        for (std::size_t i = 0; i < model.table.size(); ++i) {
            if (model.table[i].score == 0) {
                ASSERT_EQ(high->lblPlayer[i]->text(), "") << "row " << i;
                ASSERT_EQ(high->lblScore[i]->text(), "") << "row " << i;
            }
        }
        expectRowsMatchModel("as the window opens");
        const int underneath = pick(80);
        for (int i = 0; i < underneath && window->gameLoop.enabled(); ++i) {
            tickAndCheck();
            if (HasFatalFailure())
                return;
            checkInvariants("a tick under High Scores");
            if (HasFatalFailure())
                return;
        }
        if (chance(0.15)) {
            high->cmdClear->click();
            model.table = ScoreTable{};
            fileWritten = true;
            for (std::size_t i = 0; i < model.table.size(); ++i) {
                ASSERT_EQ(high->lblScore[i]->text(), "");
            }
        }
        expectRowsMatchModel("before Close");
        high->cmdClose->click();
    }

    void soundAndCheck() {
        const bool before = gameCode::soundOn;
        event = "Sound";
        ++events;
        window->mnuSound->trigger();
        ASSERT_EQ(gameCode::soundOn, !before) << where();
        ASSERT_EQ(window->mnuSound->isChecked(), gameCode::soundOn);
    }

    void paintAndCheck() {
        const State before = capture();
        event = "paint";
        ++events;
        window->picGame_Paint();
        const State after = capture();
        ASSERT_TRUE(sameLetters(after.letters, before.letters)) << where();
        if (before.over && before.level == 0 && after.width >= 300 && after.height >= 60) {
            ASSERT_GT(overlayPixels(gameCode::red), 0) << where();
        }
    }

    // The lowest letter in play, or the first fast one: what a good player types next.
    Qt::Key wantedKey() const {
        const auto& letters = gameCode::letters;
        std::size_t best = 0;
        for (std::size_t i = 0; i < letters.size(); ++i) {
            if (!letters[i].slow)
                return static_cast<Qt::Key>(Qt::Key_A + (letters[i].letter - 65));
            if (letters[i].y > letters[best].y)
                best = i;
        }
        return static_cast<Qt::Key>(Qt::Key_A + (letters[best].letter - 65));
    }

    Qt::Key otherKey() {
        static const std::array<Qt::Key, 16> others = {
            Qt::Key_Space, Qt::Key_Escape,  Qt::Key_F1,     Qt::Key_F12,
            Qt::Key_0,     Qt::Key_9,       Qt::Key_Return, Qt::Key_Backspace,
            Qt::Key_Shift, Qt::Key_Control, Qt::Key_Left,   Qt::Key_Down,
            Qt::Key_Home,  Qt::Key_Minus,   Qt::Key_Period, Qt::Key_Delete};
        return others[static_cast<std::size_t>(pick(others.size()))];
    }

    // A burst of key releases: letters, some in Shift, an Insert now and then, other keys.
    void keyStorm() {
        const int length = 2 + pick(30);
        for (int i = 0; i < length; ++i) {
            const int kind = pick(20);
            if (kind < 15) {
                const auto letter = static_cast<Qt::Key>(Qt::Key_A + pick(26));
                keyAndCheck(letter, chance(0.3) ? Qt::ShiftModifier : Qt::NoModifier);
            } else if (kind < 16) {
                keyAndCheck(Qt::Key_Insert);
            } else {
                keyAndCheck(otherKey());
            }
            if (HasFatalFailure())
                return;
            checkInvariants("in a key storm");
            if (HasFatalFailure())
                return;
        }
    }

    // One event, chosen by what the game is doing now.
    void step() {
        const bool minimised = window->isMinimized();
        const bool inGame = gameCode::currentLevel > 0;
        const bool running = window->gameLoop.enabled();
        if (minimised) {
            // Only the timer and the window manager reach a minimised window.
            if (running && chance(0.8))
                tickAndCheck();
            else
                restoreAndCheck();
            return;
        }
        if (!inGame) {
            const int r = pick(100);
            if (r < 80)
                newGameAndCheck();
            else if (r < 84)
                keyAndCheck(static_cast<Qt::Key>(Qt::Key_A + pick(26)));
            else if (r < 86)
                pauseAndCheck();
            else if (r < 88)
                endGameAndCheck();
            else if (r < 91)
                resizeAndCheck();
            else if (r < 93)
                minimiseAndCheck();
            else if (r < 96)
                highScoresAndCheck();
            else if (r < 97)
                soundAndCheck();
            else if (r < 98)
                paintAndCheck();
            else
                restartProgram();
            return;
        }
        if (!running) {
            // Paused: mostly carry on, sometimes type or look around first.
            const int r = pick(10);
            if (r < 5)
                keyAndCheck(Qt::Key_Insert);
            else if (r < 8)
                pauseAndCheck();
            else if (r < 9)
                keyAndCheck(static_cast<Qt::Key>(Qt::Key_A + pick(26)));
            else
                resizeAndCheck();
            return;
        }
        // What the player does next. How often a good key comes depends on the player, from a
        // marathon typist who is rarely interrupted to a beginner who mostly watches and misses.
        enum Action {
            goodKey,
            tick,
            randomLetter,
            storm,
            other,
            insert,
            pause,
            newGame,
            endGame,
            resize,
            minimise,
            highScores,
            soundSwitch,
            paint,
            restore,
            actionCount
        };
        static const std::array<std::array<int, actionCount>, 4> weights = {{
            // good tick rand storm other ins pause new end resize min high sound paint restore
            {1200, 600, 2, 1, 2, 1, 1, 0, 0, 2, 1, 1, 1, 2, 1},
            {260, 640, 25, 10, 7, 6, 6, 1, 1, 10, 6, 5, 5, 10, 2},
            {80, 640, 25, 10, 7, 6, 6, 1, 1, 10, 6, 5, 5, 10, 2},
            {10, 640, 40, 10, 7, 6, 6, 1, 1, 10, 6, 5, 5, 10, 2},
        }};
        const auto& w = weights[static_cast<std::size_t>(skill)];
        int total = 0;
        for (int weight : w)
            total += weight;
        int r = pick(total);
        int action = 0;
        while (r >= w[static_cast<std::size_t>(action)]) {
            r -= w[static_cast<std::size_t>(action)];
            ++action;
        }
        // The marathon typist knows that a level completes only on a tick that finds exactly its
        // number of hits, and waits for it.
        if (action == goodKey && skill == 0 && !gameCode::levelIntro &&
            gameCode::lettersHit == static_cast<std::int16_t>(gameCode::currentLevel * 5))
            action = tick;
        switch (action) {
        case goodKey:
            keyAndCheck(wantedKey(), chance(0.2) ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        case tick:
            tickAndCheck();
            break;
        case randomLetter:
            keyAndCheck(static_cast<Qt::Key>(Qt::Key_A + pick(26)));
            break;
        case storm:
            keyStorm();
            break;
        case other:
            keyAndCheck(otherKey());
            break;
        case insert:
            keyAndCheck(Qt::Key_Insert);
            break;
        case pause:
            pauseAndCheck();
            break;
        case newGame:
            newGameAndCheck();
            break;
        case endGame:
            endGameAndCheck();
            break;
        case resize:
            resizeAndCheck();
            break;
        case minimise:
            minimiseAndCheck();
            break;
        case highScores:
            highScoresAndCheck();
            break;
        case soundSwitch:
            soundAndCheck();
            break;
        case paint:
            paintAndCheck();
            break;
        default:
            restoreAndCheck();
            break;
        }
    }

    std::uint64_t seed = defaultSeed;
    std::uint64_t gamesWanted = defaultGames;
    std::uint64_t ticksWanted = defaultTicks;
    std::mt19937_64 rng;

    TableModel model;                // what the file must hold
    std::vector<unsigned char> tail; // bytes after the table in the starting file
    bool fileWritten = false;        // the file exists
    bool firstGameOfWindow = true;   // no New Game yet since the program started
    bool blackLetters = false;       // letters of colour 0 from the run's first layout remain
    bool everReset = false;          // the game has been reset since the program started
    bool deliveringTick = false;     // the tick now running is one this test delivers
    bool expectingNameBox = false;   // the tick now running must ask for a name
    int boxDepth = 0;                // boxes open now
    std::size_t inputBoxesSeen = 0;  // name boxes answered so far
    std::string lastAnswer;          // what the last name box was answered with
    int skill = 0;                   // the current player's typing, 0 best to 3 worst
    std::string event = "start";

    // Figures of the run.
    std::uint64_t games = 0, ticks = 0, events = 0, keys = 0, hits = 0, gameOvers = 0,
                  nameBoxes = 0, scoresEntered = 0, ties = 0, resizes = 0, highScoreShows = 0,
                  droppedTimerTicks = 0;
};

} // namespace

TEST_F(Soak, RandomisedGamesKeepEveryInvariant) {
    const auto start = std::chrono::steady_clock::now();
    checkInvariants("at start");
    ASSERT_FALSE(HasFatalFailure());
    std::int16_t highestLevel = 0;
    while (games < gamesWanted || ticks < ticksWanted) {
        step();
        if (HasFatalFailure())
            break;
        checkInvariants("after the event");
        if (HasFatalFailure())
            break;
        highestLevel = std::max(highestLevel, gameCode::currentLevel);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::ostringstream figures;
    figures << "soak: seed " << seed << ": " << games << " games, " << ticks << " ticks, " << events
            << " events (" << keys << " keys, " << hits << " hits, " << resizes << " resizes, "
            << highScoreShows << " High Scores shown), " << gameOvers << " game overs, "
            << nameBoxes << " name boxes, " << scoresEntered << " scores entered (" << ties
            << " tying an entry), highest level " << highestLevel << ", " << seconds << " s\n";
    std::fputs(figures.str().c_str(), stdout);
    // The run must have gone through what it is for.
    EXPECT_GE(games, gamesWanted);
    EXPECT_GE(ticks, ticksWanted);
    EXPECT_GT(gameOvers, 0u);
    EXPECT_GT(nameBoxes, 0u);
    EXPECT_GT(hits, 0u);
    EXPECT_GE(highestLevel, 2);
    EXPECT_GT(ties, 0u) << "no score tied with an entry of the table";
}
