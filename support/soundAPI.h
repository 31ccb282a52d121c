#pragma once

#include <cstdint>

// The Windows wave-output calls the game uses.
namespace soundAPI {

constexpr std::uint32_t SND_ASYNC = 0x1;        // return at once; the sound plays on
constexpr std::uint32_t SND_FILENAME = 0x20000; // the sound is named by a file path

// Number of wave-output devices; 0 when there is none.
std::uint32_t waveOutGetNumDevs();

// Plays the sound file named by path, in the system's narrow encoding (UTF-8 here, so a program
// folder of any name works). Only SND_FILENAME | SND_ASYNC is supported:
// the call returns at once and a new sound replaces the one playing. Without SND_NODEFAULT, which
// is never given, a file that is missing or cannot be played plays the default sound instead.
// Returns nonzero.
int PlaySoundA(const char* path, void* module, std::uint32_t flags);

} // namespace soundAPI
