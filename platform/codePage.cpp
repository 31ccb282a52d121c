#include "platform/codePage.h"

#include "platform/codePageSystem.h"

#include <QList>
#include <QString>

namespace platform {

namespace {

QString normalised(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
        .normalized(QString::NormalizationForm_C);
}

// A C1 control stands for the byte of its value where the code page leaves that byte undefined,
// so that such a byte read from a file is written back as it was.
std::string bytesOf(char32_t character) {
    if (character < 0x80) // every code page in use keeps ASCII as it is
        return std::string(1, static_cast<char>(character));
    std::string bytes = codePageSystem::encode(character);
    if (bytes.empty() && character >= 0x80 && character <= 0x9F) {
        const char byte = static_cast<char>(character);
        if (codePageSystem::decode(std::string_view(&byte, 1)) == QChar(character))
            bytes.assign(1, byte);
    }
    return bytes;
}

} // namespace

int ansiCodePage() {
    return codePageSystem::current();
}

std::string toAnsi(std::string_view utf8, std::size_t maxBytes) {
    std::string out;
    for (char32_t character : normalised(utf8).toUcs4()) {
        const std::string bytes = bytesOf(character);
        const std::string_view piece = bytes.empty() ? std::string_view("?") : bytes;
        if (piece.size() > maxBytes - out.size())
            break;
        out += piece;
    }
    return out;
}

std::string fromAnsi(std::string_view ansi) {
    return codePageSystem::decode(ansi).toStdString();
}

bool inAnsiCodePage(std::string_view utf8) {
    for (char32_t character : normalised(utf8).toUcs4()) {
        if (bytesOf(character).empty())
            return false;
    }
    return true;
}

} // namespace platform
