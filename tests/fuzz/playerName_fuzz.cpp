// Fuzzes the name path: any Unicode text typed into the name box is stored as an 18-byte
// Windows-1252 name, written to the file's record and read back, and shown in the High Scores
// window. The stored bytes must be the typed text in normal form C, each character as its code
// page byte or '?', cut or padded with spaces to 18; the record must give the same bytes back; the
// shown name must be valid UTF-8 without the outer spaces; and storing the shown name again must
// give the same bytes (less the leading spaces), so that a name survives any number of rounds.
#include "forms/highScoreTable.h"
#include "fuzzCheck.h"
#include "platform/codePage.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

using namespace highScoreTable;

namespace {

// The code page as the program decodes it: every byte is one character, no two bytes alike.
// Built from fromAnsi, and checked to be a one-to-one map of the 256 byte values.
const std::map<char32_t, char>& codePage() {
    static const std::map<char32_t, char> bytesOf = [] {
        std::map<char32_t, char> map;
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QList<uint> ucs4 =
                QString::fromStdString(platform::fromAnsi(std::string_view(&byte, 1))).toUcs4();
            FUZZ_CHECK(ucs4.size() == 1);
            map.emplace(static_cast<char32_t>(ucs4[0]), byte);
        }
        FUZZ_CHECK(map.size() == 256);
        return map;
    }();
    return bytesOf;
}

// The text the name box would return for the fuzz bytes. The first byte chooses how the rest is
// read: as UTF-8 (invalid sequences become U+FFFD, as the toolkit reads them), as UTF-32 code
// points, as UTF-16 code units (lone surrogates included), or passed on as raw bytes that need not
// be UTF-8 at all.
std::string typedText(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return {};
    const std::uint8_t mode = data[0] % 4;
    ++data;
    --size;
    switch (mode) {
    case 0:
        return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .toStdString();
    case 1: {
        std::u32string points;
        for (std::size_t i = 0; i + 4 <= size; i += 4) {
            const std::uint32_t value = std::uint32_t{data[i]} | std::uint32_t{data[i + 1]} << 8 |
                                        std::uint32_t{data[i + 2]} << 16 |
                                        std::uint32_t{data[i + 3]} << 24;
            points.push_back(static_cast<char32_t>(value % 0x110000));
        }
        return QString::fromUcs4(points.data(), static_cast<qsizetype>(points.size()))
            .toStdString();
    }
    case 2: {
        std::u16string units;
        for (std::size_t i = 0; i + 2 <= size; i += 2)
            units.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
        return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())).toStdString();
    }
    default:
        return std::string(reinterpret_cast<const char*>(data), size);
    }
}

// What storing the typed text must give, worked out from the code page table.
Name expectedName(const std::string& typed) {
    const QString nfc = QString::fromStdString(typed).normalized(QString::NormalizationForm_C);
    std::string bytes;
    for (uint point : nfc.toUcs4()) {
        const auto found = codePage().find(static_cast<char32_t>(point));
        bytes.push_back(found == codePage().end() ? '?' : found->second);
    }
    Name name;
    name.fill(' ');
    std::copy_n(bytes.begin(), std::min(bytes.size(), nameBytes), name.begin());
    return name;
}

bool isUtf8(const std::string& text) {
    return QString::fromStdString(text).toStdString() == text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string typed = typedText(data, size);

    // Stored: the typed text in normal form C, in the code page, cut or padded to 18 bytes.
    const Name stored = storedName(typed);
    FUZZ_CHECK(stored == expectedName(typed));

    // Written into a record of the file and read back: the same 18 bytes.
    const std::int32_t score = static_cast<std::int32_t>(size) + 1;
    ScoreTable table{};
    FUZZ_CHECK(insertScore(table, score, stored));
    const FileImage image = encodeTable(table);
    const ScoreTable read =
        decodeTable(std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
    FUZZ_CHECK(read[0].playerName == stored && read[0].score == score);

    // Shown: valid UTF-8, no space at either end, at most one character a stored byte.
    const std::string shown = shownName(read[0].playerName);
    FUZZ_CHECK(isUtf8(shown));
    FUZZ_CHECK(shown.empty() || (shown.front() != ' ' && shown.back() != ' '));
    FUZZ_CHECK(QString::fromStdString(shown).toUcs4().size() <= static_cast<qsizetype>(nameBytes));

    // Stored again from what is shown: the same bytes, moved left over the leading spaces.
    std::string_view storedBytes(stored.data(), stored.size());
    const std::size_t first = std::min(storedBytes.find_first_not_of(' '), storedBytes.size());
    Name leftAligned;
    leftAligned.fill(' ');
    std::copy(storedBytes.begin() + static_cast<std::ptrdiff_t>(first), storedBytes.end(),
              leftAligned.begin());
    const Name restored = storedName(shown);
    FUZZ_CHECK(restored == leftAligned);
    FUZZ_CHECK(shownName(restored) == shown);

    // A typed name that the code page holds whole, that fits and has no outer spaces is shown
    // exactly as typed (in normal form C).
    const QString nfc = QString::fromStdString(typed).normalized(QString::NormalizationForm_C);
    const QList<uint> points = nfc.toUcs4();
    const bool fits =
        points.size() <= static_cast<qsizetype>(nameBytes) &&
        std::all_of(points.begin(), points.end(),
                    [](uint p) { return codePage().count(static_cast<char32_t>(p)) == 1; }) &&
        !nfc.startsWith(' ') && !nfc.endsWith(' ');
    if (fits)
        FUZZ_CHECK(shown == nfc.toStdString());
    return 0;
}
