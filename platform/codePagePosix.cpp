#include "platform/codePageSystem.h"

#include <QByteArray>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <string>

#include <iconv.h>

namespace platform::codePageSystem {

namespace {

// The code page Windows uses for a language; languages it has no 8-bit page of its own for use
// Western European's.
struct LanguagePage {
    const char* language; // the locale's language, or language and territory
    int codePage;
};
constexpr LanguagePage languagePages[] = {
    {"pl", 1250},   {"cs", 1250},   {"sk", 1250}, {"hu", 1250}, {"sl", 1250},   {"hr", 1250},
    {"ro", 1250},   {"sq", 1250},   {"ru", 1251}, {"uk", 1251}, {"be", 1251},   {"bg", 1251},
    {"mk", 1251},   {"sr", 1251},   {"el", 1253}, {"tr", 1254}, {"az", 1254},   {"he", 1255},
    {"ar", 1256},   {"fa", 1256},   {"ur", 1256}, {"lt", 1257}, {"lv", 1257},   {"et", 1257},
    {"vi", 1258},   {"th", 874},    {"ja", 932},  {"ko", 949},  {"zh_CN", 936}, {"zh_SG", 936},
    {"zh_TW", 950}, {"zh_HK", 950},
};
constexpr int westernEuropean = 1252;

// The locale that decides the character set, as the C library picks it: LC_ALL, then LC_CTYPE,
// then LANG.
std::string ctypeLocale() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

int pageOfLocale(const std::string& locale) {
    // language[_TERRITORY][.charset][@modifier]
    const std::string name = locale.substr(0, locale.find_first_of(".@"));
    const std::string language = name.substr(0, name.find('_'));
    for (const LanguagePage& entry : languagePages) {
        if (name == entry.language || language == entry.language)
            return entry.codePage;
    }
    return westernEuropean;
}

std::string iconvName(int codePage) {
    return "CP" + std::to_string(codePage);
}

// Converts all of in with the converter. Answers 0, or the error at the first sequence it cannot
// convert (EILSEQ: no character; EINVAL: cut off at the end), with inLeft telling what is left.
int convert(iconv_t converter, const char*& in, std::size_t& inLeft, std::string& out) {
    std::array<char, 64> buffer;
    while (inLeft > 0) {
        char* next = buffer.data();
        std::size_t room = buffer.size();
        const std::size_t result =
            ::iconv(converter, const_cast<char**>(&in), &inLeft, &next, &room);
        out.append(buffer.data(), next);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG)
            return errno;
    }
    return 0;
}

// A converter kept for the run; glibc has every code page of the table.
class Converter {
  public:
    Converter(const std::string& to, const std::string& from)
        : handle(::iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (handle != reinterpret_cast<iconv_t>(-1))
            ::iconv_close(handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Starts from the initial state, as every call converts a piece of its own.
    iconv_t reset() {
        if (handle != reinterpret_cast<iconv_t>(-1))
            ::iconv(handle, nullptr, nullptr, nullptr, nullptr);
        return handle;
    }
    bool valid() const { return handle != reinterpret_cast<iconv_t>(-1); }

  private:
    iconv_t handle;
};

Converter& encoder() {
    static Converter converter(iconvName(current()), "UTF-8");
    return converter;
}

Converter& decoder() {
    static Converter converter("UTF-8", iconvName(current()));
    return converter;
}

} // namespace

int current() {
    static const int codePage = pageOfLocale(ctypeLocale());
    return codePage;
}

std::string encode(char32_t character) {
    Converter& converter = encoder();
    if (!converter.valid())
        return {};
    const QByteArray utf8 = QString::fromUcs4(&character, 1).toUtf8();
    const char* in = utf8.constData();
    std::size_t inLeft = static_cast<std::size_t>(utf8.size());
    std::string out;
    const iconv_t handle = converter.reset();
    if (convert(handle, in, inLeft, out) != 0)
        return {};
    // A code page that writes combined characters in two parts (Vietnamese) may hold the last
    // part back until told that the text has ended.
    std::array<char, 8> tail;
    char* next = tail.data();
    std::size_t room = tail.size();
    ::iconv(handle, nullptr, nullptr, &next, &room);
    out.append(tail.data(), next);
    return out;
}

QString decode(std::string_view bytes) {
    Converter& converter = decoder();
    QString text;
    const char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        std::string utf8;
        const int error = converter.valid() ? convert(converter.reset(), in, inLeft, utf8) : EILSEQ;
        text += QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        if (error == 0)
            break;
        // A byte that stands for nothing: the C1 control of its value where it is undefined on
        // its own, U+FFFD where it is part of a character cut off.
        const auto byte = static_cast<unsigned char>(*in);
        const bool control = error == EILSEQ && byte >= 0x80 && byte <= 0x9F;
        text += control ? QChar(byte) : QChar(QChar::ReplacementCharacter);
        ++in;
        --inLeft;
    }
    return text;
}

} // namespace platform::codePageSystem
