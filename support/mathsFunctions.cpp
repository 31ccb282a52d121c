#include "support/mathsFunctions.h"

#include "platform/dialogs.h"
#include "platform/random.h"

#include <array>
#include <cmath>
#include <string>

namespace mathsFunctions {

namespace {

const std::string moduleName = "MathsFunctions";

struct MathsError {
    const char* routine; // prefix naming the routine that failed
    const char* message; // what went wrong
};

// By error code. Codes 0 to 3 belong to routines of the maths library this game does not use.
constexpr std::array<MathsError, 5> mathsErrors = {{
    {"invSin - ", "Cannot be greater or less than 1 or -1"},
    {"invCos - ", "Cannot be greater or less than 1 or -1"},
    {"getAngleBetweenLinesCosineRule - ", "Invalid point combination"},
    {"getAngleBetweenLinesVect - ", "Invalid point combination"},
    {"randomNumber - ", "the high paramenter is less than the low parameter"},
}};

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
    if (code >= 0 && code < static_cast<std::int16_t>(mathsErrors.size())) {
        const MathsError& error = mathsErrors[static_cast<std::size_t>(code)];
        text = std::string(error.routine) + moduleName + "\r\n" + error.message;
    }
    platform::msgBox(text, platform::vbExclamation, moduleName + " error");
}

} // namespace mathsFunctions
