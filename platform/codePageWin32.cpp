#include "platform/codePageSystem.h"

#include <windows.h>

namespace platform::codePageSystem {

int current() {
    return static_cast<int>(::GetACP());
}

// The system's converter, told to put no look-alike in place of a character the code page lacks.
std::string encode(char32_t character) {
    const std::wstring wide = QString::fromUcs4(&character, 1).toStdWString();
    BOOL lacking = FALSE;
    char bytes[8];
    const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                             static_cast<int>(wide.size()), bytes, sizeof bytes,
                                             nullptr, &lacking);
    if (length <= 0 || lacking)
        return {};
    return std::string(bytes, static_cast<std::size_t>(length));
}

QString decode(std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    std::wstring wide(bytes.size(), L'\0');
    const int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return QString::fromStdWString(wide);
}

} // namespace platform::codePageSystem
