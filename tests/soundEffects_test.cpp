#include "support/playing.h"

#include <QAction>

using namespace gameCode;

namespace {

class Sound : public GameFixture {};

} // namespace

// Without a wave-output device the first New Game takes the tick off at once, silently.
TEST_F(Sound, NoDeviceSwitchesSoundOffAtTheFirstNewGame) {
    sound.devices = 0;
    window->cmdBegin->click();
    EXPECT_FALSE(window->mnuSound->isChecked());
    EXPECT_FALSE(soundOn);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(dialogs.messageBoxes.empty());
    // Switched on again by the player, the next effect finds no device and switches it off.
    window->mnuSound->trigger();
    EXPECT_TRUE(soundOn);
    window->cmdBegin->click();
    EXPECT_FALSE(soundOn);
    EXPECT_FALSE(window->mnuSound->isChecked());
}

// Switched off by the player, effects still ask for a device every time, and play nothing.
TEST_F(Sound, SoundOffStillChecksForADeviceOnEveryEffect) {
    window->mnuSound->trigger();
    ASSERT_FALSE(soundOn);
    const int queries = sound.deviceQueries;
    window->cmdBegin->click();
    window->cmdBegin->click();
    EXPECT_EQ(sound.deviceQueries, queries + 2);
    EXPECT_TRUE(sound.played.empty());
}

// The level sound is looked for only at its fixed path; the click in the program's folder.
TEST_F(Sound, EffectsPlayTheirFilesEachTimeAnew) {
    window->cmdBegin->click();
    while (levelIntro)
        tick();
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0], "C:\\WINDOWS\\MEDIA\\TADA.WAV");
    for (int hit = 0; hit < 3; ++hit) {
        letters[0] = FallingLetter{'Q', 10, 100, green, true};
        release(Qt::Key_Q);
    }
    ASSERT_EQ(sound.played.size(), 4u);
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_EQ(sound.played[i], folderPath() + "/hit.wav");
    EXPECT_EQ(hitSoundFile(), folderPath() + "/hit.wav");
}
