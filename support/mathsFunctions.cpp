#include "support/mathsFunctions.h"

#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/translation.h"

#include <array>
#include <cmath>
#include <string>

namespace mathsFunctions {

namespace {

const std::string moduleName = "MathsFunctions";

// Prefixes naming the routine that failed, by error code. Codes 0 to 3 belong to routines of the
// maths library this game does not use.
constexpr std::array<const char*, 5> failedRoutines = {
    "invSin - ", "invCos - ", "getAngleBetweenLinesCosineRule - ", "getAngleBetweenLinesVect - ",
    "randomNumber - "};

// What went wrong, in the player's language, by error code.
std::string errorMessage(std::int16_t code) {
    if (code <= 1)
        return platform::translate("mathsFunctions", "Cannot be greater or less than 1 or -1");
    if (code <= 3)
        return platform::translate("mathsFunctions", "Invalid point combination");
    return platform::translate("mathsFunctions",
                               "the high paramenter is less than the low parameter");
}

} // namespace

float randomNumber(const std::int16_t& high, const std::int16_t& low) {
    if (high < low) {
        reportMathsError(4);
        return 0;
    }
    const float r = platform::rnd();
    const auto span = static_cast<std::int16_t>(high - low + 1);
    const double value =
        static_cast<double>(static_cast<float>(span)) * r + static_cast<float>(low);
    return static_cast<float>(std::floor(value));
}

void reportMathsError(const std::int16_t& code) {
    std::string text;
    if (code >= 0 && code < static_cast<std::int16_t>(failedRoutines.size()))
        text = failedRoutines[static_cast<std::size_t>(code)] + moduleName + "\r\n" +
               errorMessage(code);
    //: %1 is the module's name in the code, "MathsFunctions".
    platform::msgBox(
        text, platform::vbExclamation,
        platform::fillIn(platform::translate("mathsFunctions", "%1 error"), {moduleName}));
}

} // namespace mathsFunctions
