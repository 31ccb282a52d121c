#pragma once

#include "platform/dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Answers the game's boxes without showing them, and records every box asked for.
class ScriptedDialogs final : public platform::DialogProvider {
  public:
    struct Shown {
        std::string text; // an input box's prompt
        int style;        // 0 for an input box
        std::string title;
    };

    int messageBox(const std::string& text, int style, const std::string& title) override {
        messageBoxes.push_back({text, style, title});
        if (whileOpen)
            whileOpen();
        return platform::vbOK;
    }
    std::string inputBox(const std::string& prompt, const std::string& title) override {
        inputBoxes.push_back({prompt, 0, title});
        if (whileOpen)
            whileOpen();
        std::string answer = answers.empty() ? std::string() : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }

    std::vector<Shown> messageBoxes; // every message box, in order
    std::vector<Shown> inputBoxes;   // every input box, in order
    std::deque<std::string> answers; // typed into the next input boxes; empty: Cancel
    std::function<void()> whileOpen; // runs while a box is open, as events would
};
