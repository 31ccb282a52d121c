// Writes the game's hit sound: a short percussive click, 16-bit mono PCM at 22050 Hz.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr int sampleRate = 22050; // samples a second
constexpr double duration = 0.06; // seconds
constexpr double pitch = 1800.0;  // hertz of the click's tone
constexpr double decay = 90.0;    // how fast it dies away, per second
constexpr double loudness = 0.6;  // peak, as a share of full scale

void put16(std::ofstream& out, std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeHitWav OUTPUT.wav\n");
        return 2;
    }
    const double pi = std::acos(-1.0);
    const int count = static_cast<int>(sampleRate * duration);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double attack = std::min(1.0, t / 0.002); // 2 ms rise, so it does not pop
        const double value =
            loudness * attack * std::exp(-decay * t) * std::sin(2 * pi * pitch * t);
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::lround(value * 32767));
    }

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
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
    for (std::int16_t sample : samples)
        put16(out, static_cast<std::uint16_t>(sample));
    out.close();
    if (!out) {
        std::fprintf(stderr, "makeHitWav: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
