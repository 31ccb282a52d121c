#include "platform/sound.h"
#include "platform/soundMixer.h"
#include "platform/waveData.h"

#include <QGuiApplication>

#include <pulse/pulseaudio.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>

namespace platform {

namespace {

// How long the first question waits for the sound server to answer; a local server takes a few
// milliseconds. Later questions do not wait for a server still connecting.
constexpr auto serverWait = std::chrono::seconds(2);
// How long a play waits for the server to take its sample and start it, and the end waits for
// the samples' removal; a local server answers within milliseconds.
constexpr pa_usec_t answerWait = 1000 * PA_USEC_PER_MSEC;
// PulseAudio keeps no sample larger than this (16 MiB: over a minute and a half of CD audio).
constexpr std::size_t largestSample = 16 * 1024 * 1024;

// The mainloop's lock, held for a scope.
class LoopLock {
  public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop(loop) { pa_threaded_mainloop_lock(loop); }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

  private:
    pa_threaded_mainloop* loop;
};

// Effects from the sound server's sample cache (PulseAudio, or PipeWire's PulseAudio server): each
// file is decoded and handed to the server once, and an effect is one request to the server,
// which plays the sample itself. So the program has no stream of its own: while nothing plays,
// neither it nor the server does anything for its sound, and a playing effect costs the program
// nothing. A new effect stops the one before, so the last plays to its end. A play waits for the
// server's answer (a round trip of a millisecond or so), so that it is true only for an effect
// the server has started.
//
// The connection is made on the client library's thread, started at construction; the first
// question waits a while for its outcome. Where no server answers (ALSA alone), SDL_mixer plays
// instead.
class PulseSound final : public SoundOutput {
  public:
    PulseSound() {
        loop = pa_threaded_mainloop_new();
        // Named as the desktop names the program, so that mixers show its name and icon.
        pa_proplist* application = pa_proplist_new();
        pa_proplist_sets(application, PA_PROP_APPLICATION_NAME, "Velquist");
        if (const QString id = QGuiApplication::desktopFileName(); !id.isEmpty()) {
            pa_proplist_sets(application, PA_PROP_APPLICATION_ID, id.toUtf8().constData());
            pa_proplist_sets(application, PA_PROP_APPLICATION_ICON_NAME, id.toUtf8().constData());
        }
        context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop), "Velquist",
                                               application);
        pa_proplist_free(application);
        pa_context_set_state_callback(context, &PulseSound::onContextState, this);
        sampleFor(defaultSoundFile()); // it stands in for any sound that cannot play
        // No server is started where none runs: the mixer plays straight to the card instead.
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
            pa_threaded_mainloop_start(loop) < 0)
            settle(false);
    }

    ~PulseSound() override {
        {
            LoopLock lock(loop);
            // The server keeps samples until they are removed; the last one playing plays on.
            // It answers in order, so the last removal's answer says they are all done.
            pa_operation* removed = nullptr;
            for (const auto& [path, sample] : samples) {
                if (!sample.uploaded)
                    continue;
                if (removed)
                    pa_operation_unref(removed);
                removed = pa_context_remove_sample(context, sample.name.c_str(),
                                                   &PulseSound::onDone, loop);
            }
            if (removed) {
                answered(
                    [removed] { return pa_operation_get_state(removed) != PA_OPERATION_RUNNING; });
                pa_operation_unref(removed);
            }
            pa_context_disconnect(context);
        }
        pa_threaded_mainloop_stop(loop);
        if (properties)
            pa_proplist_free(properties);
        pa_context_unref(context);
        pa_threaded_mainloop_free(loop);
    }

    PulseSound(const PulseSound&) = delete;
    PulseSound& operator=(const PulseSound&) = delete;

    // The server's sinks: 0 where it has none or went away. A server still connecting is slow,
    // not missing: one device until it says how many it has.
    int deviceCount() override {
        if (SoundOutput* mixer = fallback())
            return mixer->deviceCount();
        if (connecting())
            return 1;
        LoopLock lock(loop);
        return pa_context_get_state(context) == PA_CONTEXT_READY ? sinks : 0;
    }

    // False, so that another sound may stand in, unless the server has started the effect: while
    // it is still connecting, when it refuses the sample or the start, or when it has not answered
    // within answerWait (and then at once until it answers again).
    bool play(const std::string& path) override {
        if (SoundOutput* mixer = fallback())
            return mixer->play(path);
        LoopLock lock(loop);
        if (pa_context_get_state(context) != PA_CONTEXT_READY || late)
            return false;
        Sample* sample = sampleFor(path);
        if (!sample || !upload(*sample))
            return false;
        if (!answered([sample] { return !sample->upload; }) || !sample->uploaded)
            return false;
        stopLastEffect();
        return startEffect(*sample);
    }

    void preload(const std::string& path) override {
        if (SoundOutput* mixer = fallback())
            return mixer->preload(path);
        LoopLock lock(loop);
        Sample* sample = sampleFor(path);
        if (sample && pa_context_get_state(context) == PA_CONTEXT_READY)
            upload(*sample);
    }

  private:
    struct Sample {
        PulseSound* owner = nullptr;
        std::string name;            // the sample's name on the server
        WaveData wave;               // its samples, until they are on the server
        pa_stream* upload = nullptr; // the stream that hands it to the server
        bool uploaded = false;       // the server has confirmed it has it: effects may start
    };

    // Waits for the connection's outcome, the first time only; the mixer from then on where
    // there is no server.
    SoundOutput* fallback() {
        std::unique_lock lock(settling);
        const auto wait = waited ? std::chrono::seconds(0) : serverWait;
        waited = true;
        if (!settled.wait_for(lock, wait, [this] { return outcome.has_value(); }))
            return nullptr; // still connecting: no sound for now
        if (!*outcome && !mixer) {
            pa_threaded_mainloop_stop(loop); // nothing of the client library left running
            mixer = makeMixerSound();
        }
        return mixer.get();
    }

    bool connecting() {
        std::lock_guard lock(settling);
        return !outcome;
    }

    void settle(bool connected) {
        {
            std::lock_guard lock(settling);
            if (outcome)
                return;
            outcome = connected;
        }
        settled.notify_all();
    }

    // The sample of a file, decoded; null when the file cannot be decoded (that is not
    // remembered, so a file put in place later plays). Decoded on the caller's thread, which SDL
    // knows. Loop locked.
    Sample* sampleFor(const std::string& path) {
        if (auto found = samples.find(path); found != samples.end())
            return &found->second;
        std::optional<WaveData> wave = readWave(path);
        if (!wave || wave->samples.size() * sizeof(std::int16_t) > largestSample)
            return nullptr;
        Sample& sample = samples[path];
        sample.owner = this;
        sample.name = "velquist-" + std::to_string(getpid()) + "-" + std::to_string(samples.size());
        sample.wave = std::move(*wave);
        return &sample;
    }

    // Hands the sample to the server, unless it is there or on its way; false when the server
    // cannot take it (a rate or a number of channels it does not play). Loop locked, connected.
    bool upload(Sample& sample) {
        if (sample.uploaded || sample.upload)
            return true;
        const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(sample.wave.rate),
                                    static_cast<std::uint8_t>(sample.wave.channels)};
        sample.upload = pa_stream_new(context, sample.name.c_str(), &format, nullptr);
        if (!sample.upload)
            return false;
        // Its answer comes on the loop's thread, which waits for the loop's lock held here.
        if (pa_stream_connect_upload(sample.upload,
                                     sample.wave.samples.size() * sizeof(std::int16_t)) < 0) {
            pa_stream_unref(sample.upload);
            sample.upload = nullptr;
            return false;
        }
        pa_stream_set_state_callback(sample.upload, &PulseSound::onUploadState, &sample);
        return true;
    }

    // Starts the sample playing on the default sink; true once the server has started it. One it
    // answers too late is stopped when it does. Loop locked.
    bool startEffect(Sample& sample) {
        pa_operation* started = pa_context_play_sample_with_proplist(
            context, sample.name.c_str(), nullptr, PA_VOLUME_INVALID, effectProperties(),
            &PulseSound::onEffectStarted, this);
        if (!started)
            return false;
        ++effectsStarting;
        const bool done =
            answered([started] { return pa_operation_get_state(started) != PA_OPERATION_RUNNING; });
        pa_operation_unref(started);
        if (!done)
            effectsToStop = effectsStarting;
        return done && lastEffect != PA_INVALID_INDEX;
    }

    // Stops the effect playing, if any, and any the server has not answered for yet. Loop
    // locked.
    void stopLastEffect() {
        if (lastEffect != PA_INVALID_INDEX)
            kill(lastEffect);
        lastEffect = PA_INVALID_INDEX;
        // Those the server has not answered for yet are stopped when it does.
        effectsToStop = effectsStarting;
    }

    void kill(std::uint32_t effect) {
        if (pa_operation* killed = pa_context_kill_sink_input(context, effect, nullptr, nullptr))
            pa_operation_unref(killed);
    }

    pa_proplist* effectProperties() {
        if (!properties) {
            properties = pa_proplist_new();
            pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
        }
        return properties;
    }

    static void onDone(pa_context*, int, void* loop) {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
    }

    // Waits, loop locked, until done() says the server has answered, for answerWait at most;
    // false if it has not, and the server is late from then until its next answer.
    bool answered(const std::function<bool()>& done) {
        struct Deadline {
            pa_threaded_mainloop* loop;
            bool passed = false;
        } deadline{loop};
        pa_time_event* timer = pa_context_rttime_new(
            context, pa_rtclock_now() + answerWait,
            [](pa_mainloop_api*, pa_time_event*, const timeval*, void* data) {
                auto* deadline = static_cast<Deadline*>(data);
                deadline->passed = true;
                pa_threaded_mainloop_signal(deadline->loop, 0);
            },
            &deadline);
        while (!done() && !deadline.passed && pa_context_get_state(context) == PA_CONTEXT_READY)
            pa_threaded_mainloop_wait(loop);
        if (timer)
            pa_threaded_mainloop_get_api(loop)->time_free(timer);
        late = !done() && deadline.passed;
        return done();
    }

    static void onContextState(pa_context* context, void* self) {
        auto* sound = static_cast<PulseSound*>(self);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            if (pa_operation* listed =
                    pa_context_get_sink_info_list(context, &PulseSound::onSink, self))
                pa_operation_unref(listed);
            else
                sound->settle(true); // no sinks counted: no device
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            sound->settle(false);
            break;
        default:
            break;
        }
        pa_threaded_mainloop_signal(sound->loop, 0);
    }

    // Counts the sinks; at the end of the list the server is ready for effects.
    static void onSink(pa_context*, const pa_sink_info* sink, int last, void* self) {
        auto* sound = static_cast<PulseSound*>(self);
        if (!last) {
            sound->sinks += sink ? 1 : 0;
            return;
        }
        for (auto& [path, sample] : sound->samples)
            sound->upload(sample);
        sound->settle(true);
    }

    // Hands the sample over once the server has made room for it. The upload ends when the
    // server has answered its finish: terminated once it has kept the sample, failed when it has
    // not; the samples are then kept for the next play to send again.
    static void onUploadState(pa_stream* upload, void* data) {
        auto& sample = *static_cast<Sample*>(data);
        sample.owner->late = false;
        const pa_stream_state_t state = pa_stream_get_state(upload);
        if (state == PA_STREAM_READY) {
            pa_stream_write(upload, sample.wave.samples.data(),
                            sample.wave.samples.size() * sizeof(std::int16_t), nullptr, 0,
                            PA_SEEK_RELATIVE);
            pa_stream_finish_upload(upload);
        }
        if (state == PA_STREAM_TERMINATED || state == PA_STREAM_FAILED) {
            sample.uploaded = state == PA_STREAM_TERMINATED;
            if (sample.uploaded)
                sample.wave = {};
            pa_stream_set_state_callback(upload, nullptr, nullptr);
            pa_stream_unref(upload);
            sample.upload = nullptr;
        }
        pa_threaded_mainloop_signal(sample.owner->loop, 0);
    }

    // The server's answer to a play: the effect's index, which the next play stops; an effect
    // already superseded is stopped at once.
    static void onEffectStarted(pa_context*, std::uint32_t effect, void* self) {
        auto* sound = static_cast<PulseSound*>(self);
        sound->late = false;
        --sound->effectsStarting;
        if (sound->effectsToStop > 0) {
            --sound->effectsToStop;
            if (effect != PA_INVALID_INDEX)
                sound->kill(effect);
        } else {
            sound->lastEffect = effect;
        }
        pa_threaded_mainloop_signal(sound->loop, 0);
    }

    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_proplist* properties = nullptr;           // each effect's
    int sinks = 0;                               // the server's sinks, when it was reached
    std::map<std::string, Sample> samples;       // by path; a map, so that a sample stays in place
    std::uint32_t lastEffect = PA_INVALID_INDEX; // the effect the next play stops
    int effectsStarting = 0;                     // plays the server has not answered yet
    int effectsToStop = 0;                       // of those, the ones stopped before the answer
    bool late = false; // a wait for the server's answer ran out, and no answer has come since

    std::mutex settling; // guards outcome
    std::condition_variable settled;
    std::optional<bool> outcome;        // whether the server was reached; none while connecting
    bool waited = false;                // the first question has waited for the outcome
    std::unique_ptr<SoundOutput> mixer; // where no server answers
};

} // namespace

std::unique_ptr<SoundOutput> makeSystemSoundOutput() {
    return std::make_unique<PulseSound>();
}

} // namespace platform
