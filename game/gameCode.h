#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {
class PictureBox;
class Timer;
} // namespace platform

// The game engine: the whole state of a game, and the routines that play it. Everything runs on
// the user-interface thread, from the main window's events and the ticks of its timer.
namespace gameCode {

// One letter in play.
struct FallingLetter {
    std::int32_t letter = 0; // character code, 65 to 90; 0 in a blank or just-hit record
    float x = 0;             // left edge of the letter's text box, pixels, a whole number
    float y = 0; // top of the letter's text box, pixels, a whole number; grows as it falls
    std::int32_t colour = 0; // 0x00BBGGRR, one of letterColours
    bool slow = false;       // true: falls 1 pixel a tick; false: 6 pixels a tick
};

// The main window's controls that the engine reads and writes, set when the window loads.
struct MainWindowLink {
    platform::Timer* gameLoop = nullptr;                            // the game timer
    std::function<void(const std::string&)> setStatus;              // caption of the status label
    std::function<bool()> soundChecked;                             // tick of the Sound menu item
    std::function<void(bool)> setSoundChecked;                      // sets that tick
    std::function<bool(std::int32_t)> isHighScore;                  // does a score earn a place?
    std::function<void(std::int32_t, const std::string&)> addScore; // enters score and name
};

// Pixel speeds and sizes.
constexpr float slowStep = 1;            // pixels a slow letter falls each tick
constexpr float fastStep = 6;            // pixels a fast letter falls each tick
constexpr float letterFontSize = 16;     // points, bold
constexpr float overlayFontSize = 40;    // points, bold
constexpr std::int32_t red = 255;        // game-over colour
constexpr std::int32_t green = 65280;    // banner colour
constexpr std::int16_t bannerTicks = 50; // the banner ends when introTicks passes this
constexpr std::int16_t hitsPerLevel = 5; // level n is complete after n x 5 hits
constexpr int tickInterval = 30;         // milliseconds between ticks
constexpr const char* levelSoundFile = "C:\\WINDOWS\\MEDIA\\TADA.WAV";
constexpr const char* applicationTitle = "Velquist";

// --- Game state ---------------------------------------------------------------------------
extern platform::PictureBox* playArea;     // the play area everything is drawn on
extern MainWindowLink mainWindow;          // the main window's timer, label, menu tick, table
extern std::int16_t currentLevel;          // level in play, from 1; 0: no game
extern bool gamePaused;                    // the player has paused the game
extern bool soundOn;                       // sound effects wanted
extern std::vector<FallingLetter> letters; // the letters of the level in play
extern std::array<std::int32_t, 7> letterColours; // colours a letter can take, 0x00BBGGRR
extern std::int16_t lettersHit;                   // letters typed correctly in this level
extern std::int32_t gameScore;                    // the running score; kept after a game ends
extern bool levelIntro;                           // the level banner is showing
extern bool gameOver;                             // a letter has reached the bottom
extern std::int16_t introTicks;                   // ticks of the banner showing; gameTick's own
extern bool gameEnding; // the game-over sequence is running (its name box)

// --- Set-up and tear-down ------------------------------------------------------------------
void resetGame();      // back to no game; the score is kept, the status line shows 0
void initGame();       // start of every new game
void startLevel();     // lays out the letters of the current level
void freeGameArrays(); // at program end

// --- Letter placement ----------------------------------------------------------------------
void placeLetters(std::int32_t index); // -1: every record; otherwise that one
void setLetter(std::int32_t index);    // new letter, place, colour and speed for one record
void reportError(std::int16_t errorNumber);

// --- Motion, tick and level flow -----------------------------------------------------------
void moveLetters();
void gameTick();
void nextLevel();
bool levelComplete();
bool letterAtBottom();

// --- Keys ----------------------------------------------------------------------------------
void keyHit(const std::int16_t& keyCode);

// --- Status line and overlays --------------------------------------------------------------
void showStatus();
void drawGameOver(const std::int32_t& colour);
void drawLevelBanner();
void redrawPlayArea();

// --- Sound ---------------------------------------------------------------------------------
void playEffect(const std::string& file);
std::string hitSoundFile(); // the program's folder followed by "/hit.wav"

} // namespace gameCode
