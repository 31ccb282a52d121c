#include "support/scriptedDialogs.h"

int ScriptedDialogs::messageBox(const std::string& text, int style, const std::string& title) {
    messageBoxes.push_back({text, style, title});
    if (whileOpen)
        whileOpen();
    return platform::vbOK;
}

std::string ScriptedDialogs::inputBox(const std::string& prompt, const std::string& title) {
    inputBoxes.push_back({prompt, title});
    if (whileOpen)
        whileOpen();
    if (answers.empty())
        return {};
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}
