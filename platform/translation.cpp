#include "platform/translation.h"

#include "platform/appPath.h"
#include "platform/codePage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace platform {

namespace {

// The program's catalogue, "velquist_<language>.qm", and Qt's, "qtbase_<language>.qm".
constexpr const char* ownCatalogue = "velquist";
constexpr const char* qtCatalogue = "qtbase";

std::vector<std::unique_ptr<QTranslator>> loaded; // installed in the application, newest last

// Installs the catalogue for the first language of the locale's list that has one.
bool install(const QLocale& locale, const char* catalogue, const QStringList& folders) {
    for (const QString& folder : folders) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(locale, catalogue, "_", folder)) {
            QCoreApplication::installTranslator(translator.get());
            loaded.push_back(std::move(translator));
            return true;
        }
    }
    return false;
}

} // namespace

std::string loadTranslations(const std::string& language, const std::string& folder) {
    const QString translationsFolder =
        QString::fromStdString(folder.empty() ? appPath() + "/translations" : folder);
    for (const auto& translator : loaded)
        QCoreApplication::removeTranslator(translator.get());
    loaded.clear();
    const QLocale locale =
        language.empty() ? QLocale::system() : QLocale(QString::fromStdString(language));
    // English is the source language: a player who prefers it gets no catalogue, even where a
    // language further down their list has one.
    for (const QString& preferred : locale.uiLanguages()) {
        if (QLocale(preferred).language() == QLocale::English)
            return {};
        if (install(QLocale(preferred), ownCatalogue, {translationsFolder}))
            break;
    }
    if (loaded.empty())
        return {};
    const QString name = loaded.front()->language();
    // Qt's own catalogues: beside the program where it ships them (Windows), else the system's.
    install(QLocale(name), qtCatalogue,
            {translationsFolder, QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    return name.toStdString();
}

std::string translate(const char* context, const char* englishText) {
    return QCoreApplication::translate(context, englishText).toStdString();
}

std::string translateForPlayArea(const char* context, const char* englishText) {
    const std::string text = translate(context, englishText);
    return inAnsiCodePage(text) ? text : englishText;
}

std::string fillIn(std::string_view text, std::initializer_list<std::string> values) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t place = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && place < values.size()) {
            out += values.begin()[place];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace platform
