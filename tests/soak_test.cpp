// A randomized soak through the real windows: game after game of random events, each checked
// against a short list of invariants and a small model of the high-score table.
#include "forms/frmHigh.h"
#include "support/gameFixture.h"
#include "support/scoreFile.h"

#include <cmath>
#include <functional>
#include <random>

using gameCode::FallingLetter;
using Entry = std::pair<std::string, std::int32_t>; // a stored name's bytes and its score

namespace {

std::uint64_t setting(const char* name, std::uint64_t fallback) {
    return qEnvironmentVariableIsEmpty(name) ? fallback : qgetenv(name).toULongLong(nullptr, 0);
}
// What the checks read of the game and its window, before and after an event.
struct Snapshot {
    bool timer = gameCode::mainWindow.gameLoop->enabled();
    int width = gameCode::playArea->scaleWidth(), height = gameCode::playArea->scaleHeight();
    std::vector<FallingLetter> letters = gameCode::letters;
    int level = gameCode::currentLevel, hits = gameCode::lettersHit, score = gameCode::gameScore;
    int introTicks = gameCode::introTicks;
    bool intro = gameCode::levelIntro, paused = gameCode::gamePaused;
};
// What an event may change: scores changes the score; keeps moves no letter.
enum Kind { plain, scores, keeps };

class Soak : public GameFixture {
  protected:
    void SetUp() override {
        // Up to ten entries whose scores short games reach, so that new scores tie with them.
        for (int i = 0, n = pick(11); i < n; ++i)
            table.push_back({"Seed", 100 * (3 - i / 4)});
        std::ofstream(folderPath() + "/HScores.dt", std::ios::binary) << scoreFile::fileOf(table);
        GameFixture::SetUp();
        dialogs.whileOpen = std::bind(&Soak::nameBox, this);
    }
    int pick(int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); }
    int size() { return pick(100) < 40 ? 99 + pick(4) : 1 + pick(1000); }
    // What a good typist types first: a fast letter, else the lowest.
    static float urgency(const FallingLetter& r) { return r.slow ? r.y : 1e9f; }
    // The table's model: best first, equal scores in the order they came, ten at most.
    void enter(int score, const std::string& typed) {
        const highScoreTable::Name name = highScoreTable::storedName(typed);
        ties += std::ranges::count(table, score, &Entry::second);
        table.insert(std::ranges::find_if(table, [&](const Entry& e) { return e.second < score; }),
                     {std::string(name.begin(), name.end()), score});
        table.resize(std::min<std::size_t>(table.size(), 10));
    }
    // Runs one event, checks the invariants after it, and answers the game before and after.
    auto run(const char* name, Kind kind, const std::function<void()>& act) {
        what = name;
        const Snapshot was;
        act();
        QApplication::sendPostedEvents();
        const Snapshot now;
        const auto y = &FallingLetter::y; // only ticks and keys move letters
        EXPECT_EQ(dialogs.messageBoxes.size(), 0u) << dialogs.messageBoxes.front().text;
        EXPECT_TRUE(kind == scores || now.score == was.score) << "the score moved";
        EXPECT_EQ(scoreFile::readBytes(folderPath() + "/HScores.dt"), scoreFile::fileOf(table));
        EXPECT_TRUE(kind < keeps || std::ranges::equal(now.letters, was.letters, {}, y, y));
        const bool game = now.level > 0, layout = game && was.intro && !now.intro;
        EXPECT_TRUE(game ? now.timer || now.paused : !now.timer) << "the timer";
        const std::string status =
            std::to_string(now.hits) + " out of " + std::to_string(now.level * 5) +
            " LETTERS        SCORE: " + std::to_string(game ? now.score : 0) +
            "       LEVEl: " + std::to_string(now.level);
        EXPECT_TRUE((game && now.intro) || statusText() == (now.letters.empty() ? "" : status));
        for (const FallingLetter& r : now.letters) {
            EXPECT_TRUE(game ? r.letter >= 65 && r.letter <= 90 : r.letter == 0) << "a blank";
            EXPECT_TRUE(now.level < 20 || now.intro || !r.slow) << "slow from level 20";
            EXPECT_TRUE(!layout || (r.x <= now.width && r.y <= std::lrint(now.height / 3.0)));
        }
        return std::pair{was, now};
    }
    // One tick: the banner ends on its 51st tick and lays the level out in the top third; or
    // letters fall, a level ends on a tick that finds exactly 5n hits, a game at the bottom.
    void tick() {
        const Snapshot was;
        const bool complete = !was.intro && was.hits == was.level * 5;
        const bool bottom = !was.intro && std::ranges::any_of(was.letters, [&](const auto& r) {
            return r.y + (r.slow ? 1 : 6) + 5 > was.height;
        });
        // A place in the table: beating some entry, an empty one (score 0) among them.
        nameWanted = bottom && was.score > (table.size() < 10 ? 0 : table.back().second);
        const Snapshot after = run("tick", plain, [&] { window->gameLoop.deliverTick(); }).second;
        ++ticks;
        highest = std::max(highest, after.level);
        EXPECT_FALSE(nameWanted) << "no name box for a score that earns a place";
        EXPECT_EQ(after.intro, was.intro ? was.introTicks < 50 : complete);
        EXPECT_EQ(after.level, bottom ? 0 : was.level + (complete ? 1 : 0));
        for (std::size_t i = 0; !was.intro && !bottom && i < was.letters.size(); ++i)
            EXPECT_EQ(after.letters[i].y - was.letters[i].y, was.letters[i].slow ? 1 : 6) << i;
    }
    // A letter key with a letter of its code in play hits one and scores; any other makes every
    // letter fast. Which letter it hits, for which points, the engine tests pin down.
    void key(int code) {
        const auto [was, now] = run("key", scores, [&] { release(Qt::Key(code)); });
        const bool hit = std::ranges::count(was.letters, code, &FallingLetter::letter) > 0;
        EXPECT_EQ(now.score > was.score, hit);
        EXPECT_EQ(now.hits - was.hits, hit ? 1 : 0);
        EXPECT_TRUE(hit || std::ranges::none_of(now.letters, &FallingLetter::slow)) << "a miss";
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
        run("New Game", scores, [&] { window->cmdBegin->click(); });
    }
    void clear() {
        table.clear();
        run("Clear", keeps, [&] { window->highScores->cmdClear->click(); });
    }
    // One event, weighted for a game running, paused, or over. A typist with the level's hits
    // waits for the tick that completes it; the best is rarely interrupted.
    void step() {
        const Snapshot now;
        const bool wait = !now.intro && now.hits >= now.level * 5;
        const int good = wait ? 0 : std::array{1200, 260, 80, 10}[skill], n = skill == 0 ? 1 : 6;
        const std::pair<std::array<int, 3>, std::function<void()>> mix[] = {
            // clang-format off
            {{good, 0, 0}, [&] { key(std::ranges::max(gameCode::letters, {}, urgency).letter); }},
            {{640, 0, 0}, [&] { tick(); }},
            {{4 * n, 10, 4}, [&] { key('A' + pick(26)); }},
            {{n, 30, 2}, [&] { run("Pause", keeps, [&] { window->cmdPause->click(); }); }},
            {{n / 6, 2, 80}, [&] { newGame(); }},
            {{0, 0, 3}, [&] { clear(); }},
            {{2 * n, 10, 3}, [&] { run("resize", keeps, [&] { window->resize(size(), size()); }); }},
            // clang-format on
        };
        const int state = now.timer ? 0 : now.level ? 1 : 2;
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
    std::vector<Entry> table;   // the high-score table as the file must hold it
    bool nameWanted = false;    // the tick now running must ask for a name, once
    int skill = 0, highest = 0; // the player's typing (0 best, 3 worst); the highest level so far
    const char* what = "start"; // the event now running
    std::uint64_t games = 0, ticks = 0, ties = 0;
};

} // namespace

TEST_F(Soak, RandomGamesKeepEveryInvariant) {
    while (!HasFailure() && (games < gamesWanted || ticks < ticksWanted))
        step();
    ASSERT_FALSE(HasFailure()) << "seed " << seed << ", game " << games << ", event: " << what;
    // The run went through what it is for: the levels of fast letters, and tied scores.
    EXPECT_TRUE(highest >= 20 && ties > 0) << "highest level " << highest << ", ties " << ties;
}
