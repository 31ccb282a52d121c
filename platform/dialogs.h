#pragma once

#include <string>

// The toolkit's modal message box and input box. Every box goes through here, so tests can answer
// them and the game can tell whether one of its boxes is open.
namespace platform {

// Message-box styles in use: the icon with a single OK button.
constexpr int vbCritical = 16;    // critical-stop icon
constexpr int vbExclamation = 48; // exclamation icon
constexpr int vbOK = 1;           // what a box with only OK answers

// Shows a modal box and returns once the user has dismissed it.
int msgBox(const std::string& text, int style, const std::string& title);

// Shows a modal input box with an empty field; returns the text typed (UTF-8), or an empty text on
// Cancel.
std::string inputBox(const std::string& prompt, const std::string& title);

// True while a message box or input box is open.
bool dialogOpen();

// What shows the boxes: the toolkit in the program, a script of answers in tests.
class DialogProvider {
  public:
    virtual ~DialogProvider() = default;
    virtual int messageBox(const std::string& text, int style, const std::string& title) = 0;
    virtual std::string inputBox(const std::string& prompt, const std::string& title) = 0;
};

// Installs another provider; nullptr restores the toolkit's boxes.
void setDialogProvider(DialogProvider* provider);

} // namespace platform
