// Writes the game's two sounds into a folder, 16-bit mono PCM at 22050 Hz: hit.wav, a short
// percussive click, and default.wav, a two-note chime that plays where a sound file is missing.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int sampleRate = 22050; // samples a second
const double pi = std::acos(-1.0);

// A decaying tone that starts at `start` seconds: rises over 2 ms, so that it does not pop, then
// dies away at `decay` per second. `overtone` is the share of its octave, for a bell's brightness.
double tone(double t, double start, double pitch, double decay, double overtone) {
    const double s = t - start;
    if (s < 0)
        return 0;
    const double envelope = std::min(1.0, s / 0.002) * std::exp(-decay * s);
    return envelope * (std::sin(2 * pi * pitch * s) + overtone * std::sin(4 * pi * pitch * s));
}

// The click: one bright tone of 60 ms, peak at 60% of full scale.
double hit(double t) {
    return 0.6 * tone(t, 0, 1800.0, 90.0, 0);
}

// The chime: C6 then E6 a rising major third apart, 0.6 s in all, well below full scale together.
double chime(double t) {
    return 0.3 * (tone(t, 0, 1046.5, 7.0, 0.25) + tone(t, 0.13, 1318.5, 7.0, 0.25));
}

void put16(std::ofstream& out, std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

// Writes `seconds` of the sound as a wave file; the last 20 ms fade out. False on failure.
bool writeWave(const std::string& path, double (*sound)(double), double seconds) {
    const int count = static_cast<int>(sampleRate * seconds);
    const int fade = sampleRate / 50;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(count * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16); // format chunk size
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, sampleRate);
    put32(out, sampleRate * 2); // bytes a second
    put16(out, 2);              // bytes a sample frame
    put16(out, 16);             // bits a sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (int i = 0; i < count; ++i) {
        const double gain = std::min(1.0, static_cast<double>(count - i) / fade);
        const double value = gain * sound(static_cast<double>(i) / sampleRate);
        put16(out,
              static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value * 32767))));
    }
    out.close();
    if (!out)
        std::fprintf(stderr, "makeSounds: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeSounds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool written =
        writeWave(folder + "/hit.wav", hit, 0.06) && writeWave(folder + "/default.wav", chime, 0.6);
    return written ? 0 : 1;
}
