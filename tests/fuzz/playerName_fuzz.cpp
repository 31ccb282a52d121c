// Fuzzes the name path: any bytes typed into the name box are stored and shown. The stored bytes
// must be the text in normal form C, each character as its code page byte or '?', cut or padded
// with spaces to 18; the shown name valid UTF-8 without outer spaces, and stored again the same.
#include "forms/highScoreTable.h"
#include "platform/codePage.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <map>
#include <string>

using namespace highScoreTable;

// The code page as the program decodes it, checked to be a one-to-one map of the 256 byte values,
// none of them left undecoded as the replacement character.
const std::map<char32_t, char> codePage = [] {
    std::map<char32_t, char> map;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const QList<uint> ucs4 = QString::fromStdString(platform::fromAnsi(byte)).toUcs4();
        assert(ucs4.size() == 1 && ucs4[0] != 0xFFFD);
        map.emplace(ucs4[0], byte[0]);
    }
    assert(map.size() == 256);
    return map;
}();

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), size);
    const QString nfc = QString::fromStdString(typed).normalized(QString::NormalizationForm_C);
    std::string bytes;
    bool inCodePage = true; // every character has its byte
    for (uint point : nfc.toUcs4()) {
        const auto found = codePage.find(point);
        inCodePage = inCodePage && found != codePage.end();
        bytes.push_back(found == codePage.end() ? '?' : found->second);
    }
    // A name the code page holds whole, that fits and has no outer spaces shows as typed.
    const bool asTyped =
        inCodePage && bytes.size() <= nameBytes && !nfc.startsWith(' ') && !nfc.endsWith(' ');
    bytes.resize(nameBytes, ' ');
    const Name stored = storedName(typed);
    assert(std::string(stored.data(), nameBytes) == bytes);

    const std::string shown = shownName(stored);
    assert(QString::fromStdString(shown).toStdString() == shown);
    assert(shown.empty() || (shown.front() != ' ' && shown.back() != ' '));
    assert(!asTyped || shown == nfc.toStdString());
    std::string leftAligned = bytes.substr(std::min(bytes.find_first_not_of(' '), nameBytes));
    leftAligned.resize(nameBytes, ' ');
    assert(std::string(storedName(shown).data(), nameBytes) == leftAligned);
    return 0;
}
