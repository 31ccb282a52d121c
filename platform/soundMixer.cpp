#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <map>

namespace platform {

namespace {

// Effects through SDL_mixer: one output stream, opened once and kept for the run, and one channel,
// so that a new effect cuts the one before and the last plays to its end. Each file is decoded
// once, on its first use, and mixed on the mixer's own thread: playing never waits.
class MixerSound final : public SoundOutput {
  public:
    MixerSound() {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // the toolkit handles the program's signals
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Velquist");
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
        initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        // 512 frames at 44.1 kHz: about 12 ms of buffer between a play and the sound server.
        opened = initialised && Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 512) == 0;
        if (opened) {
            Mix_AllocateChannels(1);
            preload(defaultSoundFile());
        }
    }

    ~MixerSound() override {
        if (opened) {
            Mix_HaltChannel(-1);
            for (const auto& [path, chunk] : chunks)
                Mix_FreeChunk(chunk);
            Mix_CloseAudio();
        }
        if (initialised)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    MixerSound(const MixerSound&) = delete;
    MixerSound& operator=(const MixerSound&) = delete;

    // An output that could not be opened is no device: sound goes off rather than play nothing.
    int deviceCount() override { return opened ? std::max(1, SDL_GetNumAudioDevices(0)) : 0; }

    bool play(const std::string& path) override {
        Mix_Chunk* chunk = chunkFor(path);
        return chunk && Mix_PlayChannel(0, chunk, 0) == 0;
    }

    void preload(const std::string& path) override { chunkFor(path); }

  private:
    // The decoded file, or null when it is missing or the mixer refuses it; a failure is not
    // kept, so a file put in place later plays.
    Mix_Chunk* chunkFor(const std::string& path) {
        if (!opened)
            return nullptr;
        auto found = chunks.find(path);
        if (found != chunks.end())
            return found->second;
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        if (chunk)
            chunks.emplace(path, chunk);
        return chunk;
    }

    bool initialised = false;
    bool opened = false;
    std::map<std::string, Mix_Chunk*> chunks; // decoded files by path
};

} // namespace

std::unique_ptr<SoundOutput> makeSystemSoundOutput() {
    return std::make_unique<MixerSound>();
}

} // namespace platform
