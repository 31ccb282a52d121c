#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A sound file's samples as signed 16-bit integers in the machine's byte order, channels
// interleaved.
struct WaveData {
    int rate = 0;     // frames a second
    int channels = 0; // 1 mono, 2 stereo, ...
    std::vector<std::int16_t> samples;
};

// The samples of a wave file in any encoding SDL decodes (PCM, float, A-law, mu-law, ADPCM);
// nothing when the file is missing or is no wave file SDL can decode.
std::optional<WaveData> readWave(const std::string& path);

} // namespace platform
