// Writes the desktop entry and the AppStream metainfo with their texts in every language the game
// has a catalogue for, as the build installs them:
//   translateDesktop ENTRY.desktop METAINFO.xml OUTPUT-FOLDER velquist_<language>.qm...
// The English files are the sources. Each text the desktop shows is marked below, so that lupdate
// puts it in the catalogues; a text in the files that is not marked stops the build.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr const char* context = "desktop";

// The texts, exactly as the English files have them (a paragraph with its lines joined by single
// spaces).
const char* const markedTexts[] = {
    QT_TRANSLATE_NOOP("desktop", "Typing Game"),
    QT_TRANSLATE_NOOP("desktop", "Type the falling letters before they reach the bottom"),
    //: Search words for the desktop's menu, each followed by a semicolon.
    QT_TRANSLATE_NOOP("desktop", "typing;keyboard;letters;"),
    QT_TRANSLATE_NOOP("desktop",
                      "Velquist is a typing game. Coloured capital letters fall down a black play "
                      "area, and you knock each one out by typing it before it reaches the "
                      "bottom."),
    QT_TRANSLATE_NOOP("desktop",
                      "A quick hit scores more than a late one, and a wrong key makes every letter "
                      "fall fast. Each level brings more letters, and the game ends when one of "
                      "them lands. The ten best scores are kept with the players' names."),
};

struct Catalogue {
    QString language; // as the desktop files name it: de, pt_BR
    std::unique_ptr<QTranslator> translator;
};

bool fail(const QString& message) {
    std::fprintf(stderr, "translateDesktop: %s\n", qPrintable(message));
    return false;
}

bool isMarked(const QString& text) {
    for (const char* marked : markedTexts) {
        if (text == QLatin1String(marked))
            return true;
    }
    return false;
}

// Each language's translation of the text, where it has one of its own.
std::vector<std::pair<QString, QString>> translations(const std::vector<Catalogue>& catalogues,
                                                      const QString& text) {
    std::vector<std::pair<QString, QString>> found;
    const QByteArray source = text.toUtf8();
    for (const Catalogue& catalogue : catalogues) {
        const QString translated = catalogue.translator->translate(context, source.constData());
        if (!translated.isEmpty() && translated != text)
            found.emplace_back(catalogue.language, translated);
    }
    return found;
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString unescaped(QString text) {
    return text.replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&#39;", "'")
        .replace("&amp;", "&");
}

// Key=Value lines of the keys the desktop shows are followed by Key[language]=Value lines.
bool translateEntry(const QStringList& lines, const std::vector<Catalogue>& catalogues,
                    QTextStream& out) {
    static const QRegularExpression shown("^(GenericName|Comment|Keywords)=(.*)$");
    for (const QString& line : lines) {
        out << line << '\n';
        const QRegularExpressionMatch match = shown.match(line);
        if (!match.hasMatch())
            continue;
        if (!isMarked(match.captured(2)))
            return fail("the desktop entry's text is not marked: " + match.captured(2));
        for (const auto& [language, text] : translations(catalogues, match.captured(2)))
            out << match.captured(1) << '[' << language << "]=" << text << '\n';
    }
    return true;
}

// The summary and each paragraph of the description are followed by their translations, each
// element marked with its language.
bool translateMetainfo(const QStringList& lines, const std::vector<Catalogue>& catalogues,
                       QTextStream& out) {
    static const QRegularExpression summary("^(\\s*)<summary>(.*)</summary>$");
    QString paragraph; // the paragraph read so far, its lines joined
    QString indent;    // of the paragraph's opening tag
    bool inParagraph = false;
    for (const QString& line : lines) {
        out << line << '\n';
        const QString trimmed = line.trimmed();
        QString tag;
        QString text;
        if (const QRegularExpressionMatch match = summary.match(line); match.hasMatch()) {
            indent = match.captured(1);
            tag = "summary";
            text = unescaped(match.captured(2));
        } else if (trimmed == "<p>") {
            inParagraph = true;
            paragraph.clear();
            indent = line.left(line.indexOf('<'));
            continue;
        } else if (inParagraph && trimmed == "</p>") {
            inParagraph = false;
            tag = "p";
            text = unescaped(paragraph);
        } else if (inParagraph) {
            paragraph += (paragraph.isEmpty() ? "" : " ") + trimmed;
            continue;
        } else {
            continue;
        }
        if (!isMarked(text))
            return fail("the metainfo's text is not marked: " + text);
        for (const auto& [language, translated] : translations(catalogues, text))
            out << indent << '<' << tag << " xml:lang=\"" << language << "\">"
                << escaped(translated) << "</" << tag << ">\n";
    }
    return true;
}

bool translateFile(const QString& input, const QString& outputFolder,
                   const std::vector<Catalogue>& catalogues,
                   bool (*translate)(const QStringList&, const std::vector<Catalogue>&,
                                     QTextStream&)) {
    QFile in(input);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail("cannot read " + input);
    const QStringList lines = QString::fromUtf8(in.readAll()).split('\n');
    QFile file(outputFolder + '/' + QFileInfo(input).fileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return fail("cannot write " + file.fileName());
    QTextStream out(&file);
    // The files end with a line break, which the split gives as an empty last line.
    return translate(lines.mid(0, lines.size() - (lines.last().isEmpty() ? 1 : 0)), catalogues,
                     out);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        fail("usage: translateDesktop ENTRY METAINFO OUTPUT-FOLDER CATALOGUE...");
        return 2;
    }
    std::vector<Catalogue> catalogues;
    for (const QString& file : arguments.mid(4)) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(file))
            return fail("cannot load " + file) ? 0 : 1;
        catalogues.push_back({translator->language(), std::move(translator)});
    }
    if (!QDir().mkpath(arguments[3]))
        return fail("cannot make " + arguments[3]) ? 0 : 1;
    const bool written = translateFile(arguments[1], arguments[3], catalogues, translateEntry) &&
                         translateFile(arguments[2], arguments[3], catalogues, translateMetainfo);
    return written ? 0 : 1;
}
