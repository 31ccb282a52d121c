#include "platform/soundMixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QTimer>

#include <algorithm>
#include <map>
#include <set>
#include <thread>

namespace platform {

namespace {

// 1024 frames at 44.1 kHz: about 23 ms of buffer between a play and the sound server, and half
// the wake-ups of 512 frames while the output is open.
constexpr int bufferFrames = 1024;
// Milliseconds of silence after which the output is closed: a sound server keeps a program with
// an open stream waking dozens of times a second even when it plays nothing, and at this pace
// of typing an open stream costs more than opening it again for the next hit (bench/measure.sh).
// Hits closer together share one stream.
constexpr int idleCloseMs = 250;

// Effects through SDL_mixer on one channel, so that a new effect cuts the one before and the last
// plays to its end; mixed on the mixer's own thread, so playing never waits. The output is opened
// by the first effect, not at start, and closed again once nothing has played for idleCloseMs.
// SDL's audio subsystem starts on a thread of its own at construction, since reaching the sound
// server takes tens of milliseconds, and stays up between closes (with no stream it does nothing
// periodic); it goes when no output can be opened. Opening is a few milliseconds and stays on the
// caller's thread; closing waits for SDL's last buffers, so it runs on a thread of its own.
class MixerSound final : public SoundOutput {
  public:
    MixerSound() {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // the toolkit handles the program's signals
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Velquist");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
        idleClose.setSingleShot(true);
        idleClose.setInterval(idleCloseMs);
        QObject::connect(&idleClose, &QTimer::timeout, [this] { closeWhenQuiet(); });
        wanted.insert(defaultSoundFile());
        starting = std::thread([this] {
            initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
            // Nothing to play on (ALSA with no card): the subsystem is not left watching for
            // devices until the first effect, which tries once more.
            if (initialised && SDL_GetNumAudioDevices(0) <= 0) {
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
                initialised = false;
            }
            SDL_TLSCleanup(); // SDL's error text for this thread, which SDL did not start
        });
    }

    ~MixerSound() override {
        if (starting.joinable())
            starting.join();
        finishClosing();
        if (opened) {
            Mix_HaltChannel(-1);
            Mix_CloseAudio();
        }
        for (const auto& [path, chunk] : chunks)
            Mix_FreeChunk(chunk);
        if (initialised)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    MixerSound(const MixerSound&) = delete;
    MixerSound& operator=(const MixerSound&) = delete;

    // An output that cannot be opened is no device: sound goes off rather than play nothing. The
    // first count opens the output and leaves it to the idle close, since an effect usually
    // follows it but need not (Sound off); later ones answer what the last opening found, without
    // opening anything.
    int deviceCount() override {
        if (!tried && open())
            idleClose.start();
        return failed ? 0 : devices;
    }

    bool play(const std::string& path) override {
        if (!open())
            return false;
        idleClose.start();
        Mix_Chunk* chunk = chunkFor(path);
        return chunk && Mix_PlayChannel(0, chunk, 0) == 0;
    }

    void preload(const std::string& path) override {
        wanted.insert(path);
        if (opened)
            chunkFor(path);
    }

  private:
    // Opens the output if it is closed; false when it cannot be, from then on.
    bool open() {
        if (starting.joinable())
            starting.join();
        finishClosing();
        if (opened || failed)
            return opened;
        tried = true;
        if (!initialised)
            initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        opened = initialised && Mix_OpenAudio(44100, AUDIO_S16SYS, 2, bufferFrames) == 0;
        if (!opened) {
            failed = true;
            if (initialised)
                SDL_QuitSubSystem(SDL_INIT_AUDIO); // nothing of it left running
            initialised = false;
            return false;
        }
        Mix_AllocateChannels(1);
        devices = std::max(1, SDL_GetNumAudioDevices(0));
        // Decoded chunks are in the output's format: kept only while it stays the same.
        Format format;
        Mix_QuerySpec(&format.rate, &format.sampleFormat, &format.channels);
        if (format != chunksFormat) {
            for (const auto& [path, chunk] : chunks)
                Mix_FreeChunk(chunk);
            chunks.clear();
            chunksFormat = format;
        }
        for (const std::string& path : wanted)
            chunkFor(path);
        return true;
    }

    // Closes the output once the channel is quiet; called by the idle timer.
    void closeWhenQuiet() {
        if (!opened)
            return;
        if (Mix_Playing(0)) {
            idleClose.start();
            return;
        }
        opened = false;
        closing = std::thread([] {
            Mix_CloseAudio();
            SDL_TLSCleanup();
        });
    }

    void finishClosing() {
        if (closing.joinable())
            closing.join();
    }

    // The decoded file, or null when it is missing or the mixer refuses it; a failure is not
    // kept, so a file put in place later plays. Needs the output open.
    Mix_Chunk* chunkFor(const std::string& path) {
        auto found = chunks.find(path);
        if (found != chunks.end())
            return found->second;
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        if (chunk)
            chunks.emplace(path, chunk);
        return chunk;
    }

    struct Format {
        int rate = 0;            // frames a second
        Uint16 sampleFormat = 0; // SDL's AUDIO_* value
        int channels = 0;        // 1 mono, 2 stereo
        bool operator==(const Format&) const = default;
    };

    bool initialised = false;     // SDL's audio subsystem is up
    bool tried = false;           // the output has been opened once, or tried
    bool opened = false;          // the output is open now
    bool failed = false;          // the output could not be opened: no device
    int devices = 0;              // output devices, as the last opening counted them
    QTimer idleClose;             // closes the output after idleCloseMs of silence
    std::thread starting;         // starts SDL's audio subsystem
    std::thread closing;          // closes the output, which waits for SDL's last buffers
    Format chunksFormat;          // the output format the chunks were decoded for
    std::set<std::string> wanted; // files decoded at every opening
    std::map<std::string, Mix_Chunk*> chunks; // decoded files by path
};

} // namespace

std::unique_ptr<SoundOutput> makeMixerSound() {
    return std::make_unique<MixerSound>();
}

} // namespace platform
