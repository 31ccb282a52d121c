// The sound output of Linux, SDL_mixer, on SDL's silent driver.
#include "platform/sound.h"

#include <QTemporaryDir>

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

// The mixer's output on SDL's silent driver: the build's two sounds play, each on the mixer's
// channel, not merely reported as played. A missing file, one that is no sound at all and a wave
// file in a format it cannot decode (MPEG audio) are refused; a good file put in their place then
// plays, since a failure to load is not remembered.
TEST(MixerSound, PlaysTheBuildsSoundsAndRefusesWhatItCannotDecode) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::SoundOutput& output = platform::soundOutput();
    EXPECT_GE(output.deviceCount(), 1);
    const auto plays = [&](const std::string& path) {
        return output.play(path) && Mix_Playing(0) == 1;
    };
    for (const std::string name : {"/hit.wav", "/default.wav"})
        EXPECT_TRUE(plays(VELQUIST_BUILD_DIR + name)) << name;
    QTemporaryDir folder;
    const std::string path = folder.filePath("refused.wav").toStdString();
    EXPECT_FALSE(output.play(path));
    // A wave file of MPEG layer 3 (format tag 0x0055), 22050 Hz mono, with 4 bytes of data.
    const char mpeg[] = "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x55\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0"
                        "\x10\0data\x04\0\0\0\x01\x02\x03\x04";
    for (const std::string& bytes : {std::string("not a sound at all"), std::string(mpeg, 48)}) {
        std::ofstream(path, std::ios::binary) << bytes;
        EXPECT_FALSE(output.play(path)) << bytes;
    }
    std::filesystem::copy_file(VELQUIST_BUILD_DIR "/default.wav", path,
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_TRUE(plays(path));
}
