#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The program's texts in the player's language. Every text a player reads is written in English
// where it is used, inside one of the calls below, which Qt's lupdate finds; the translations are
// the .qm files in the "translations" folder beside the program.
namespace platform {

// Loads the translations of the player's interface language (the system's list of preferred
// languages, LANGUAGE and LC_MESSAGES on Linux), or of the named one ("de", "pt_BR"), for the
// program's texts and for Qt's own (the boxes' buttons), from the folder given or the one beside
// the program. Answers the language loaded, or an empty text for English, which needs none.
std::string loadTranslations(const std::string& language = {}, const std::string& folder = {});

// The text in the player's language, in UTF-8; the English text where there is no translation.
std::string translate(const char* context, const char* englishText);

// As translate, for a text drawn in the play area through the code page: the English text where
// the code page does not hold the translation.
std::string translateForPlayArea(const char* context, const char* englishText);

// The text with its places %1, %2, ... filled in from values, in order, in one pass: a value that
// holds a % is taken as it is.
std::string fillIn(std::string_view text, std::initializer_list<std::string> values);

} // namespace platform
