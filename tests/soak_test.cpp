// A randomized soak through the real windows: game after game of ticks, keys, Pause, New Game,
// End Game, Clear, resizes around the 100-pixel thresholds, minimising and name boxes answered at
// random, each event checked against a short list of invariants and a small model of the table.
// CI plays 300 games and 100,000 ticks from a fixed seed; VELQUIST_SOAK_SEED, _GAMES and _TICKS
// change them.
#include "forms/frmHigh.h"
#include "game/gameCode.h"
#include "support/gameFixture.h"
#include "support/scoreFileBytes.h"

#include <QApplication>
#include <QPushButton>

#include <cmath>
#include <functional>
#include <random>

using gameCode::FallingLetter;
using Entry = std::pair<std::string, std::int32_t>; // a stored name's bytes and its score

namespace {

std::uint64_t setting(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : fallback;
}
// What a good typist types first: a fast letter, else the lowest.
float urgency(const FallingLetter& r) {
    return r.slow ? r.y : 1e9f;
}

// What the checks read of the game and its window, before and after an event.
struct Snapshot {
    explicit Snapshot(const frmMain& w)
        : timer(w.gameLoop.enabled()), width(w.picGame.scaleWidth()),
          height(w.picGame.scaleHeight()) {}
    bool timer;
    int width, height; // of the play area
    std::vector<FallingLetter> letters = gameCode::letters;
    int level = gameCode::currentLevel, hits = gameCode::lettersHit, score = gameCode::gameScore;
    int introTicks = gameCode::introTicks;
    bool intro = gameCode::levelIntro, paused = gameCode::gamePaused;
};

// What an event may change beyond the invariants: the score; or neither letters nor timer,
// unless it pauses a game.
enum Kind { plain, scores, keeps, pauses };

class Soak : public GameFixture {
  protected:
    void SetUp() override {
        // Up to ten entries with scores short games reach (so that new scores tie with them), and
        // sometimes bytes after the table that no save may touch.
        for (int i = 0, n = pick(11); i < n; ++i)
            table.push_back({"Seed", (10 - i) * 30});
        for (int i = chance(50) ? 0 : 1 + pick(40); i > 0; --i)
            tail.push_back(static_cast<unsigned char>(pick(256)));
        scoreFileBytes::writeBytes(folderPath() + "/HScores.dt", expectedFile());
        GameFixture::SetUp();
        dialogs.whileOpen = std::bind(&Soak::nameBox, this);
    }
    int pick(int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return pick(100) < percent; }
    int size() { return chance(40) ? 99 + pick(4) : 1 + pick(1000); }
    // The table's model: best first, equal scores in the order they came, ten at most.
    void enter(int score, const std::string& typed) {
        const highScoreTable::Name name = highScoreTable::storedName(typed);
        ties += std::ranges::count(table, score, &Entry::second);
        table.insert(std::ranges::find_if(table, [&](const Entry& e) { return e.second < score; }),
                     {std::string(name.begin(), name.end()), score});
        table.resize(std::min<std::size_t>(table.size(), 10));
    }
    scoreFileBytes::Bytes expectedFile() const {
        scoreFileBytes::Bytes bytes = scoreFileBytes::fileOf(table);
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    }

    // Runs one event, checks the invariants after it, and answers the game before and after.
    std::pair<Snapshot, Snapshot> run(const char* name, Kind kind,
                                      const std::function<void()>& act) {
        what = name;
        ++events;
        const Snapshot before(*window);
        act();
        QApplication::sendPostedEvents();
        const Snapshot now(*window);
        const auto y = &FallingLetter::y;
        EXPECT_EQ(dialogs.messageBoxes.size(), 0u) << dialogs.messageBoxes.front().text;
        EXPECT_FALSE(gameCode::gameEnding) << "the game-over sequence outlived its tick";
        EXPECT_TRUE(kind == scores || now.score == before.score) << "the score moved";
        EXPECT_EQ(scoreFileBytes::readBytes(folderPath() + "/HScores.dt"), expectedFile());
        EXPECT_TRUE(kind < keeps || std::ranges::equal(now.letters, before.letters, {}, y, y));
        EXPECT_TRUE(kind < keeps ||
                    now.timer == (before.timer != (kind == pauses && before.level)));
        const bool game = now.level > 0;
        EXPECT_TRUE(game ? now.timer || now.paused : !now.timer) << "the timer";
        const std::string status =
            std::to_string(now.hits) + " out of " + std::to_string(now.level * 5) +
            " LETTERS        SCORE: " + std::to_string(game ? now.score : 0) +
            "       LEVEl: " + std::to_string(now.level);
        EXPECT_TRUE((game && now.intro) || statusText() == (now.letters.empty() ? "" : status));
        EXPECT_EQ(now.letters.size(), game ? std::size_t(2 * now.level + (now.intro ? 4 : 6))
                                           : std::min<std::size_t>(now.letters.size(), 1));
        for (const FallingLetter& r : now.letters) {
            EXPECT_TRUE(game ? r.letter >= 65 && r.letter <= 90
                             : r.letter == 0 && r.x == 0 && r.y == 0);
            EXPECT_TRUE(r.x == std::floor(r.x) && r.x >= 0 && r.y == std::floor(r.y) && r.y >= 0);
            EXPECT_TRUE(now.level < 20 || now.intro || !r.slow) << "slow from level 20";
        }
        return {before, now};
    }

    // One tick: the banner counts on and ends on its 51st tick, laying out letters in the top
    // third; or letters fall, a level ends on exactly 5n hits, a game when a letter passes the
    // bottom.
    void tick() {
        const Snapshot was(*window);
        const bool complete = !was.intro && was.hits == was.level * 5;
        const bool bottom = !was.intro && std::ranges::any_of(was.letters, [&](const auto& r) {
            return r.y + (r.slow ? 1 : 6) + 5 > was.height;
        });
        // A place in the table: beating some entry, an empty one (score 0) among them.
        nameWanted = bottom && was.score > (table.size() < 10 ? 0 : table.back().second);
        const Snapshot after = run("tick", plain, [&] { window->gameLoop.deliverTick(); }).second;
        ++ticks;
        EXPECT_FALSE(nameWanted) << "no name box for a score that earns a place";
        EXPECT_EQ(after.intro, was.intro ? was.introTicks < 50 : complete);
        EXPECT_EQ(after.level, bottom ? 0 : was.level + (complete ? 1 : 0));
        for (std::size_t i = 0; !was.intro && !bottom && i < was.letters.size(); ++i)
            EXPECT_EQ(after.letters[i].y - was.letters[i].y, was.letters[i].slow ? 1 : 6) << i;
        const bool layout = was.intro && !after.intro; // in the top third of the play area
        for (const FallingLetter& r : after.letters)
            EXPECT_TRUE(!layout || (r.x <= was.width && r.y <= std::lrint(was.height / 3.0)));
    }
    // A letter key hits the first fast letter of its code, else the lowest (the first of equal
    // height), and scores by its speed and height.
    void key(int code) {
        const auto [before, after] = run("key", scores, [&] { release(Qt::Key(code)); });
        const FallingLetter* hit = nullptr;
        for (const FallingLetter& r : before.letters)
            if (r.letter == code && (!hit || (hit->slow && (!r.slow || r.y > hit->y))))
                hit = &r;
        int points = hit ? 100 : 0;
        if (hit && hit->slow)
            points = before.height / 3.0f * 2.0f > hit->y ? 20 : 10;
        EXPECT_EQ(after.score - before.score, points);
        EXPECT_EQ(after.hits - before.hits, hit ? 1 : 0);
    }
    // Answers the name box, which only a game over that earns a place may open, once.
    void nameBox() {
        ASSERT_TRUE(std::exchange(nameWanted, false)) << "a box nobody asked for";
        static const char* names[] = {"", "", "Ann", " Bob ", "Zoë", "李伟", "Nineteen bytes long"};
        dialogs.answers.push_back(names[pick(7)]);
        if (!dialogs.answers.back().empty())
            enter(gameCode::gameScore, dialogs.answers.back());
    }
    void newGame() {
        ++games;
        skill = pick(4);
        const Snapshot after = run("New Game", scores, [&] { window->cmdBegin->click(); }).second;
        EXPECT_TRUE(after.level == 1 && after.intro && after.timer && after.score == 0);
    }
    // The High Scores window's Clear empties the table and its file.
    void clear() {
        table.clear();
        run("Clear", keeps, [&] { window->highScores->cmdClear->click(); });
    }

    // One event, weighted for a game running, paused, over, or minimised. A typist with the
    // level's hits waits for the tick that completes it; the best is rarely interrupted.
    void step() {
        const bool running = window->gameLoop.enabled();
        const bool wait =
            !gameCode::levelIntro && gameCode::lettersHit >= gameCode::currentLevel * 5;
        const int good = wait ? 0 : std::array{1200, 260, 80, 10}[skill], n = skill == 0 ? 1 : 6;
        const std::pair<std::array<int, 4>, std::function<void()>> mix[] = {
            // clang-format off
            {{good, 0, 0, 0}, [&] { key(std::ranges::max(gameCode::letters, {}, urgency).letter); }},
            {{640, 0, 0, running ? 80 : 0}, [&] { tick(); }},
            {{4 * n, 10, 4, 0}, [&] { key('A' + pick(26)); }},
            {{n, 0, 2, 0}, [&] { run("Space", keeps, [&] { release(Qt::Key_Space); }); }},
            {{n, 50, 0, 0}, [&] { run("Insert", pauses, [&] { release(Qt::Key_Insert); }); }},
            {{n, 30, 2, 0}, [&] { run("Pause", pauses, [&] { window->cmdPause->click(); }); }},
            {{n / 6, 0, 80, 0}, [&] { newGame(); }},
            {{n / 6, 0, 2, 0}, [&] { run("End Game", plain, [&] { window->cmdEnd->click(); }); }},
            {{0, 0, 3, 0}, [&] { clear(); }},
            {{2 * n, 10, 3, 0}, [&] { run("resize", keeps, [&] { window->resize(size(), size()); }); }},
            {{n, 0, 2, 0}, [&] { run("minimise", pauses, [&] { window->showMinimized(); }); }},
            {{0, 0, 0, 20}, [&] { run("restore", keeps, [&] { window->showMaximized(); }); }},
            {{2 * n, 0, 1, 0}, [&] { run("paint", keeps, [&] { window->picGame_Paint(); }); }},
            // clang-format on
        };
        int state = running ? 0 : gameCode::currentLevel > 0 ? 1 : 2;
        if (window->isMinimized())
            state = 3;
        int total = 0;
        for (const auto& [weights, event] : mix)
            total += weights[state];
        for (int r = pick(total); const auto& [weights, event] : mix)
            if ((r -= weights[state]) < 0)
                return event();
    }

    const std::uint64_t seed = setting("VELQUIST_SOAK_SEED", 20261206);
    const std::uint64_t gamesWanted = setting("VELQUIST_SOAK_GAMES", 300);
    const std::uint64_t ticksWanted = setting("VELQUIST_SOAK_TICKS", 100000);
    std::mt19937_64 rng{seed};
    std::vector<Entry> table;        // the high-score table as the file must hold it
    std::vector<unsigned char> tail; // bytes after the table in the starting file
    bool nameWanted = false;         // the tick now running must ask for a name, once
    int skill = 0;                   // the player's typing, 0 best to 3 worst
    const char* what = "start";      // the event now running
    std::uint64_t games = 0, ticks = 0, events = 0, ties = 0;
};

} // namespace

TEST_F(Soak, RandomGamesKeepEveryInvariant) {
    run("start", plain, [] {});
    int highest = 0;
    while (!HasFailure() && (games < gamesWanted || ticks < ticksWanted)) {
        step();
        highest = std::max<int>(highest, gameCode::currentLevel);
    }
    ASSERT_FALSE(HasFailure()) << "seed " << seed << ", game " << games << ", event " << events
                               << " (" << what << "), tick " << ticks;
    // The run went through what it is for: the levels of fast letters, and tied scores.
    EXPECT_GE(highest, 20);
    EXPECT_GT(ties, 0u);
}
