// Linux's sound output, through the sound server tests/withSoundServer.sh starts for it, and
// through SDL_mixer (on SDL's silent driver) where no server answers.
#include "platform/sound.h"
#include "platform/soundMixer.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <SDL_mixer.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <pulse/pulseaudio.h>
#include <signal.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <vector>

// Uploads the server refuses: while set, the output's uploads hand it no samples, and the server
// answers their end with an error.
std::atomic<bool> emptyUploads = false;
extern "C" int pa_stream_write(pa_stream* stream, const void* data, size_t bytes, pa_free_cb_t free,
                               int64_t offset, pa_seek_mode_t seek) {
    static const auto write =
        reinterpret_cast<decltype(&pa_stream_write)>(dlsym(RTLD_NEXT, "pa_stream_write"));
    return emptyUploads ? 0 : write(stream, data, bytes, free, offset, seek);
}

namespace {

const std::string hit = VELQUIST_BUILD_DIR "/hit.wav", chime = VELQUIST_BUILD_DIR "/default.wav";

// The server's streams as they come and go, seen from a connection of the test's own: an effect
// played from the server's sample cache is a stream of the server's.
class ServerWatch {
  public:
    ServerWatch() {
        loop = pa_threaded_mainloop_new();
        context = pa_context_new(pa_threaded_mainloop_get_api(loop), "sound test");
        pa_context_set_state_callback(context, &ServerWatch::onState, this);
        pa_context_set_subscribe_callback(context, &ServerWatch::onEvent, this);
        pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
        pa_threaded_mainloop_lock(loop);
        pa_threaded_mainloop_start(loop);
        while (!subscribed && PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
            pa_threaded_mainloop_wait(loop);
        pa_threaded_mainloop_unlock(loop);
    }
    ~ServerWatch() {
        pa_threaded_mainloop_lock(loop);
        pa_context_disconnect(context);
        pa_threaded_mainloop_unlock(loop);
        pa_threaded_mainloop_stop(loop);
        pa_context_unref(context);
        pa_threaded_mainloop_free(loop);
    }

    bool connected() const { return subscribed; }

    // The next stream started on the server, waiting up to a second for it.
    std::optional<std::uint32_t> nextStarted() { return next(started); }
    // The next stream ended of those started since the watch began, waiting up to a second for it.
    std::optional<std::uint32_t> nextEnded() { return next(ended); }

  private:
    std::optional<std::uint32_t> next(std::vector<std::uint32_t>& streams) {
        std::optional<std::uint32_t> stream;
        pa_threaded_mainloop_lock(loop);
        for (QDeadlineTimer second(1000); streams.empty() && !second.hasExpired();) {
            pa_threaded_mainloop_unlock(loop);
            QThread::msleep(5);
            pa_threaded_mainloop_lock(loop);
        }
        if (!streams.empty()) {
            stream = streams.front();
            streams.erase(streams.begin());
        }
        pa_threaded_mainloop_unlock(loop);
        return stream;
    }

    static void onState(pa_context* context, void* self) {
        auto* watch = static_cast<ServerWatch*>(self);
        if (pa_context_get_state(context) == PA_CONTEXT_READY)
            pa_operation_unref(pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SINK_INPUT,
                                                    &ServerWatch::onSubscribed, self));
        pa_threaded_mainloop_signal(watch->loop, 0);
    }
    static void onSubscribed(pa_context*, int success, void* self) {
        auto* watch = static_cast<ServerWatch*>(self);
        watch->subscribed = success;
        pa_threaded_mainloop_signal(watch->loop, 0);
    }
    static void onEvent(pa_context*, pa_subscription_event_type_t event, std::uint32_t stream,
                        void* self) {
        auto* watch = static_cast<ServerWatch*>(self);
        const auto type = event & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
        if (type == PA_SUBSCRIPTION_EVENT_NEW && watch->playing.insert(stream).second)
            watch->started.push_back(stream);
        else if (type == PA_SUBSCRIPTION_EVENT_REMOVE && watch->playing.erase(stream))
            watch->ended.push_back(stream);
    }

    pa_threaded_mainloop* loop;
    pa_context* context;
    bool subscribed = false;
    std::vector<std::uint32_t> started, ended;
    std::set<std::uint32_t> playing; // started since the watch began, and not ended
};

// An output under test, and how to tell that what it played is playing.
struct Output {
    std::unique_ptr<platform::SoundOutput> sound;
    std::function<bool()> playing; // whether the last play started a sound
};

class SoundOutputs : public testing::TestWithParam<bool> {
  protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    // The system's output, with the server or, where there is none, the mixer.
    Output makeOutput() {
        if (!GetParam()) {
            const QByteArray server = qgetenv("PULSE_SERVER");
            qputenv("PULSE_SERVER", "unix:/nonexistent");
            auto sound = platform::makeSystemSoundOutput();
            qputenv("PULSE_SERVER", server);
            return {std::move(sound), [] {
                        return Mix_Playing(0) == 1;
                    }};
        }
        return {platform::makeSystemSoundOutput(), [this] {
                    return watch->nextStarted().has_value();
                }};
    }
    void SetUp() override {
        if (GetParam()) {
            watch.emplace();
            ASSERT_TRUE(watch->connected())
                << "no sound server: run through tests/withSoundServer.sh, as ctest does";
        }
    }
    std::optional<ServerWatch> watch;
};

// The build's two sounds play, each really started, not merely reported as played, and the hit
// again from what the output kept of it. A missing file, one that is no sound at all and a wave
// file in a format SDL cannot decode (MPEG audio) are refused; a good file put in their place
// then plays, since a failure is not remembered.
TEST_P(SoundOutputs, PlaysTheBuildsSoundsAndRefusesWhatItCannotDecode) {
    Output output = makeOutput();
    EXPECT_GE(output.sound->deviceCount(), 1);
    const auto plays = [&](const std::string& path) {
        return output.sound->play(path) && output.playing();
    };
    for (const std::string& file : {hit, chime, hit})
        EXPECT_TRUE(plays(file)) << file;
    QTemporaryDir folder;
    const std::string path = folder.filePath("refused.wav").toStdString();
    EXPECT_FALSE(output.sound->play(path));
    // A wave file of MPEG layer 3 (format tag 0x0055), 22050 Hz mono, with 4 bytes of data.
    const char mpeg[] = "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x55\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0"
                        "\x10\0data\x04\0\0\0\x01\x02\x03\x04";
    for (const std::string& bytes : {std::string("not a sound at all"), std::string(mpeg, 48)}) {
        std::ofstream(path, std::ios::binary) << bytes;
        EXPECT_FALSE(output.sound->play(path)) << bytes;
    }
    std::filesystem::copy_file(chime, path, std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(plays(path));
}

INSTANTIATE_TEST_SUITE_P(, SoundOutputs, testing::Bool(),
                         [](const auto& info) { return info.param ? "Server" : "NoServer"; });

// The mixer's output closes once nothing has played for a while: after the count, which opens it
// (with Sound off, no effect follows), and after an effect, but not under one: the 0.6 s chime,
// longer than that while, is mixed to its end first.
TEST(MixerSound, ClosesOnceQuiet) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    static std::atomic<int> mixed, mixedAtEnd; // bytes of output
    Mix_SetPostMix([](void*, Uint8*, int bytes) { mixed += bytes; }, nullptr);
    Mix_ChannelFinished([](int) { mixedAtEnd = mixed.load(); });
    auto sound = platform::makeMixerSound();
    EXPECT_GE(sound->deviceCount(), 1);
    EXPECT_TRUE(QTest::qWaitFor([] { return Mix_QuerySpec(nullptr, nullptr, nullptr) == 0; }));
    mixed = 0;
    ASSERT_TRUE(sound->play(chime));
    EXPECT_TRUE(QTest::qWaitFor([] { return Mix_QuerySpec(nullptr, nullptr, nullptr) == 0; }));
    EXPECT_GT(mixedAtEnd, 44100 * 4 / 2) << "cut short"; // half a second of 16-bit stereo
}

// A server slow to answer is no missing device: while it does not answer, the count waits a
// while and then says there is one; once it answers, effects play.
TEST(ServerSound, ASlowServerIsNoMissingDevice) {
    const pid_t server = qEnvironmentVariableIntValue("VELQUIST_SOUND_SERVER_PID");
    ASSERT_GT(server, 0) << "no sound server: run through tests/withSoundServer.sh";
    kill(server, SIGSTOP);
    auto sound = platform::makeSystemSoundOutput();
    const int devices = sound->deviceCount();
    kill(server, SIGCONT);
    EXPECT_GE(devices, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound->play(hit); }));
}

// A failed upload is sent again by the next play (PulseAudio refuses one with no samples; PipeWire
// keeps it, empty). A start the server refuses, its sample gone, is no play, so that the default
// sound stands in (tried with no effect to stop: that may crash PipeWire 0.3.65 then).
TEST(ServerSound, WhatTheServerRefusesIsNoPlay) {
    auto sound = platform::makeSystemSoundOutput();
    emptyUploads = true;
    sound->play(hit);
    emptyUploads = false;
    EXPECT_TRUE(sound->play(hit));
    sound.reset();
    sound = platform::makeSystemSoundOutput();
    sound->preload(chime);
    const std::string remove = "pactl remove-sample velquist-" + std::to_string(getpid()) + "-1";
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::system(remove.c_str()) == 0; }));
    EXPECT_FALSE(sound->play(chime));
}

// Copies of the game on one server each keep their own samples: the one that ends first removes
// only its own, and the other's effects play on.
TEST(ServerSound, EachCopyKeepsItsSamples) {
    auto sound = platform::makeSystemSoundOutput();
    ASSERT_TRUE(sound->play(hit));
    const QString copy = QCoreApplication::applicationDirPath() + "/velquist_anotherCopy";
    EXPECT_EQ(QProcess::execute(copy, {"play", QString::fromStdString(hit)}), 0);
    EXPECT_TRUE(sound->play(hit));
}

// A new effect stops the one before on the server, so that effects in quick succession do not
// pile up: the chime's stream ends as soon as a hit follows it, long before its 0.6 s are over.
TEST(ServerSound, ANewEffectStopsTheOneBefore) {
    ServerWatch watch;
    ASSERT_TRUE(watch.connected()) << "no sound server: run through tests/withSoundServer.sh";
    auto sound = platform::makeSystemSoundOutput();
    ASSERT_TRUE(sound->play(chime));
    const std::optional<std::uint32_t> chimeStream = watch.nextStarted();
    ASSERT_TRUE(chimeStream);
    ASSERT_TRUE(sound->play(hit));
    ASSERT_TRUE(watch.nextStarted());
    EXPECT_EQ(watch.nextEnded(), chimeStream); // the chime first, before the hit's 50 ms are over
}

} // namespace
