// PlaySoundA with the real output, the sound server's sample cache: how long the call takes to
// return for the hit file, and for the missing level file, which plays the default sound in its
// place; the device check that comes before every effect; and hits played 150 ms apart or three
// seconds apart (each after a quiet time, as the first hit after a pause), while bench/sound.sh
// records the server, to find how long each takes to be heard.
#include "game/gameCode.h"
#include "platform/appPath.h"
#include "support/soundAPI.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint32_t flags = soundAPI::SND_FILENAME | soundAPI::SND_ASYNC;

// True when the real output has a device to play on; the build's sounds are the program's.
bool haveOutput(benchmark::State& state) {
    platform::setAppPathForTesting(VELQUIST_BUILD_DIR);
    if (soundAPI::waveOutGetNumDevs() > 0)
        return true;
    state.SkipWithError("no sound device: bench/sound.sh starts a sound server of its own");
    return false;
}

// Timed: the call alone. The calls are 2 ms apart, far faster than anyone types, but slow enough
// for the server to answer each: back to back, they would pile up requests no server keeps up with.
void playSoundReturns(benchmark::State& state) {
    if (!haveOutput(state))
        return;
    const std::string file = state.range(0) ? gameCode::hitSoundFile() : gameCode::levelSoundFile;
    for (auto _ : state) {
        const auto start = Clock::now();
        soundAPI::PlaySoundA(file.c_str(), nullptr, flags);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}
BENCHMARK(playSoundReturns)->ArgName("hit")->Arg(1)->Arg(0)->Iterations(500)->UseManualTime();

void waveOutGetNumDevs(benchmark::State& state) {
    if (!haveOutput(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(soundAPI::waveOutGetNumDevs());
}
BENCHMARK(waveOutGetNumDevs);

// Each hit is noted, before it is played, as the size in bytes of the recording named by
// VELQUIST_RECORDING, one a line in that name followed by ".plays". Timed: the call alone. Between
// hits the application's events run.
void hitHeard(benchmark::State& state) {
    const char* recording = std::getenv("VELQUIST_RECORDING");
    if (!recording) {
        state.SkipWithError("bench/sound.sh runs this one, with a recording of the server");
        return;
    }
    if (!haveOutput(state))
        return;
    std::ofstream plays(std::string(recording) + ".plays", std::ios::app);
    const std::string hit = gameCode::hitSoundFile();
    for (auto _ : state) {
        plays << std::filesystem::file_size(recording) << std::endl;
        const auto start = Clock::now();
        soundAPI::PlaySoundA(hit.c_str(), nullptr, flags);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        for (QDeadlineTimer apart(state.range(0)); !apart.hasExpired();) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
}
BENCHMARK(hitHeard)->ArgName("apartMs")->Arg(150)->Arg(3000)->Iterations(12)->UseManualTime();

} // namespace
