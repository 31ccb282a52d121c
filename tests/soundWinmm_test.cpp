// Windows's sound output under Wine, through the PulseAudio tests/withSoundServer.sh starts for it.
#include "platform/sound.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <windows.h>

#include <mmsystem.h> // needs windows.h first

using namespace std::string_literals;

// A play returns while its sound goes on: the system itself tells that one is still playing,
// since PlaySoundA with SND_NOSTOP refuses to start another over it.
TEST(WinmmSound, APlayReturnsWhileItsSoundGoesOn) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("ten seconds.wav").toStdString();
    // Ten seconds of silence: 80000 bytes, 8-bit mono at 8000 Hz.
    std::ofstream(path, std::ios::binary)
        << "RIFF\xA4\x38\x01\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0"
           "data\x80\x38\x01\0"s
        << std::string(80000, '\x80');
    const auto output = platform::makeSystemSoundOutput();
    ASSERT_GT(output->deviceCount(), 0) << "Wine found no sound server";
    EXPECT_TRUE(output->play(path));
    EXPECT_FALSE(::PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NOSTOP));
    ::PlaySoundA(nullptr, nullptr, 0); // stops it
}
