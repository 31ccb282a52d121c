#include "platform/waveData.h"

#include <SDL.h>

#include <cstring>
#include <memory>

namespace platform {

std::optional<WaveData> readWave(const std::string& path) {
    SDL_AudioSpec inFile; // the samples as the file stores them
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &inFile, &buffer, &length))
        return std::nullopt;
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(buffer, SDL_FreeWAV);
    SDL_AudioCVT convert;
    if (SDL_BuildAudioCVT(&convert, inFile.format, inFile.channels, inFile.freq, AUDIO_S16SYS,
                          inFile.channels, inFile.freq) < 0)
        return std::nullopt;
    std::vector<Uint8> bytes(static_cast<std::size_t>(length) * convert.len_mult);
    std::memcpy(bytes.data(), buffer, length);
    convert.buf = bytes.data();
    convert.len = static_cast<int>(length);
    if (convert.needed && SDL_ConvertAudio(&convert) < 0)
        return std::nullopt;
    WaveData wave{inFile.freq, inFile.channels, {}};
    const std::size_t converted = convert.needed ? convert.len_cvt : length;
    wave.samples.resize(converted / sizeof(std::int16_t));
    std::memcpy(wave.samples.data(), bytes.data(), wave.samples.size() * sizeof(std::int16_t));
    if (wave.samples.empty())
        return std::nullopt;
    return wave;
}

} // namespace platform
