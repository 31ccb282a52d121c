// The game's hot paths on the real play area: a play tick, a full repaint, key hits, letter
// placement and the status line; and the save of a score at game over.
#include "benchGame.h"

#include "forms/frmHigh.h"
#include "game/gameCode.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// The level's letters falling: each iteration is one tick of the game timer, in which every
// letter is erased, moved, drawn again and its rectangle scheduled for repaint. Only the tick is
// timed; between ticks the repaint runs as the event loop would run it, and letters that near
// the bottom go back to the top so that the game never ends.
void playTick(benchmark::State& state) {
    BenchGame game;
    game.playLevel(static_cast<std::int16_t>(state.range(0)));
    for (auto _ : state) {
        const auto start = Clock::now();
        const bool ran = game.tick();
        const auto end = Clock::now();
        if (!ran || gameCode::levelIntro || gameCode::gameOver) {
            state.SkipWithError("the tick left play");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        game.keepLettersInPlay();
        BenchGame::processEvents();
    }
    state.counters["letters"] = static_cast<double>(gameCode::letters.size());
}
BENCHMARK(playTick)->Arg(1)->Arg(10)->Arg(20)->UseManualTime();

// A tick followed by the repaint of what it touched, as one turn of the program's event loop
// runs them; the offscreen screen stands in for the display.
void playTickAndRepaint(benchmark::State& state) {
    BenchGame game;
    game.playLevel(static_cast<std::int16_t>(state.range(0)));
    for (auto _ : state) {
        const auto start = Clock::now();
        game.tick();
        BenchGame::processEvents();
        const auto end = Clock::now();
        if (gameCode::levelIntro || gameCode::gameOver) {
            state.SkipWithError("the tick left play");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        game.keepLettersInPlay();
        BenchGame::processEvents();
    }
}
BENCHMARK(playTickAndRepaint)->Arg(1)->Arg(20)->UseManualTime();

// The paint handler's redraw of the letters in play, 46 of them at level 20.
void redrawPlayArea(benchmark::State& state) {
    BenchGame game;
    game.playLevel(20);
    for (auto _ : state) {
        const auto start = Clock::now();
        gameCode::redrawPlayArea();
        game.scheduleRepaints();
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        BenchGame::processEvents();
    }
    state.counters["letters"] = static_cast<double>(gameCode::letters.size());
}
BENCHMARK(redrawPlayArea)->UseManualTime();

// The whole paint handler: the area cleared, then every letter written, at level 20.
void paintHandler(benchmark::State& state) {
    BenchGame game;
    game.playLevel(20);
    for (auto _ : state) {
        const auto start = Clock::now();
        game.window().picGame_Paint();
        game.scheduleRepaints();
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        BenchGame::processEvents();
    }
}
BENCHMARK(paintHandler)->UseManualTime();

// A key that knocks out a letter at level 20: erased, scored, a new letter placed, the status
// line set. The letters are taken in turn.
void keyHitOnAHit(benchmark::State& state) {
    BenchGame game;
    game.playLevel(20);
    std::size_t next = 0;
    for (auto _ : state) {
        const std::int16_t code =
            static_cast<std::int16_t>(gameCode::letters[next % gameCode::letters.size()].letter);
        ++next;
        const auto start = Clock::now();
        gameCode::keyHit(code);
        game.scheduleRepaints();
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        gameCode::lettersHit = 0;
        BenchGame::processEvents();
    }
}
BENCHMARK(keyHitOnAHit)->UseManualTime();

// A key that matches no letter at level 20: every letter turns fast.
void keyHitOnAMiss(benchmark::State& state) {
    BenchGame game;
    game.playLevel(20);
    // Make sure one letter of the alphabet is not in play.
    for (gameCode::FallingLetter& record : gameCode::letters)
        if (record.letter == 'Z')
            record.letter = 'Y';
    game.window().picGame_Paint();
    BenchGame::processEvents();
    const std::int16_t code = 'Z';
    for (auto _ : state)
        gameCode::keyHit(code);
}
BENCHMARK(keyHitOnAMiss);

// A whole level's layout at level 20: 46 letters chosen and placed apart.
void placeAllLetters(benchmark::State& state) {
    BenchGame game;
    game.playLevel(20);
    for (auto _ : state)
        gameCode::placeLetters(-1);
    if (!game.window().gameLoop.enabled())
        state.SkipWithError("placement gave up");
}
BENCHMARK(placeAllLetters);

// The status line: its text built and set on the label; the label's repaint runs untimed.
void showStatus(benchmark::State& state) {
    BenchGame game;
    game.playLevel(20);
    for (auto _ : state) {
        const auto start = Clock::now();
        gameCode::showStatus();
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        ++gameCode::gameScore;
        BenchGame::processEvents();
    }
}
BENCHMARK(showStatus)->UseManualTime();

// A score entered at game over: the high-score window puts it into its table and saves it to
// "HScores.dt", flushed to the disk. Every score beats the best so far.
void addScore(benchmark::State& state) {
    BenchGame game;
    frmHigh& high = *game.window().highScores;
    std::int32_t score = 0;
    for (auto _ : state)
        high.addScore(++score, "Bench");
}
BENCHMARK(addScore);

} // namespace
