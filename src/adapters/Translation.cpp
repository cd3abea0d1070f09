#include "adapters/Translation.h"

#include "assets/ResourceStore.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRawFont>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace harvesta::platform {

namespace {

// The texts of the plain core's messages, which cannot name Qt's macros themselves; the
// message box translates them line by line.
[[maybe_unused]] constexpr const char* kCoreMessages[] = {
    QT_TRANSLATE_NOOP("Messages", "Error"),
    QT_TRANSLATE_NOOP("Messages", "Error loading image"),
    QT_TRANSLATE_NOOP("Messages", "WRITE TO FILE: Error "),
    QT_TRANSLATE_NOOP("Messages", "Please redefine array size"),
    QT_TRANSLATE_NOOP("Messages", "Error message!"),
    QT_TRANSLATE_NOOP("Messages", "the picture header is incomplete"),
    QT_TRANSLATE_NOOP("Messages", "the picture is not 24 bits per pixel"),
    QT_TRANSLATE_NOOP("Messages", "the picture is compressed in an unsupported way"),
    QT_TRANSLATE_NOOP("Messages", "the picture size is invalid"),
    QT_TRANSLATE_NOOP("Messages", "the picture is too large"),
    QT_TRANSLATE_NOOP("Messages", "the picture data is shorter than its header says"),
    QT_TRANSLATE_NOOP("Messages", "not enough memory for the picture"),
    QT_TRANSLATE_NOOP("Messages", "the decompressor could not start"),
    QT_TRANSLATE_NOOP("Messages", "the compressed picture data ends early"),
};

struct Installed {
    std::unique_ptr<QTranslator> game, toolkit;
    QString language;
};

Installed& installed() {
    static Installed state;
    return state;
}

// "de-DE", "de_DE.UTF-8" and "de" alike as "de_DE" / "de".
QString normalised(QString preference) {
    preference = preference.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    preference.replace(QLatin1Char('-'), QLatin1Char('_'));
    return preference;
}

} // namespace

const QStringList& TranslatedLanguages() {
    static const QStringList languages{
        QStringLiteral("de"),    QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"),
        QStringLiteral("pt_BR"), QStringLiteral("nl"), QStringLiteral("pl"), QStringLiteral("cs"),
        QStringLiteral("sv"),    QStringLiteral("tr"), QStringLiteral("ru"), QStringLiteral("uk"),
        QStringLiteral("el")};
    return languages;
}

QString ChooseLanguage(const QStringList& preferences) {
    for (const QString& preference : preferences) {
        const QString wanted = normalised(preference);
        const QString primary = wanted.section(QLatin1Char('_'), 0, 0).toLower();
        if (primary.isEmpty()) continue;
        if (primary == QLatin1String("en") || primary == QLatin1String("c") ||
            primary == QLatin1String("posix"))
            return {};
        for (const QString& language : TranslatedLanguages())
            if (language.compare(wanted, Qt::CaseInsensitive) == 0) return language;
        for (const QString& language : TranslatedLanguages())
            // Portuguese from Portugal reads the Brazilian words better than English ones.
            if (language.section(QLatin1Char('_'), 0, 0) == primary) return language;
    }
    return {};
}

QString InstallTranslation(const QStringList& preferences) {
    Installed& state = installed();
    if (state.game) QCoreApplication::removeTranslator(state.game.get());
    if (state.toolkit) QCoreApplication::removeTranslator(state.toolkit.get());
    state.game.reset();
    state.toolkit.reset();
    state.language = ChooseLanguage(preferences);
    if (state.language.isEmpty()) return {};

    auto game = std::make_unique<QTranslator>();
    // Embedded, so it is always there; a failure here is a build fault, and English shows.
    if (!game->load(QStringLiteral(":/i18n/harvesta_%1.qm").arg(state.language))) {
        state.language.clear();
        return {};
    }
    QCoreApplication::installTranslator(game.get());
    state.game = std::move(game);
    // The toolkit's own words (the buttons of message boxes, the font dialog), where the
    // system has them installed.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_%1").arg(state.language),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit.get());
        state.toolkit = std::move(toolkit);
    }
    return state.language;
}

QString CurrentLanguage() {
    return installed().language;
}

QString LocalisedBlockName(const QString& english) {
    if (CurrentLanguage().isEmpty()) return english;
    const QString own = english + QLatin1Char('_') + CurrentLanguage().toUpper();
    return FindResourceBlock(own.toStdString()).empty() ? english : own;
}

MessageRequest TranslatedMessage(const MessageRequest& request) {
    const auto translate = [](const std::string& text) {
        QStringList lines = QString::fromStdString(text).split(QStringLiteral("\r\n"));
        for (QString& line : lines)
            line = QCoreApplication::translate("Messages", line.toUtf8().constData());
        return lines.join(QStringLiteral("\r\n")).toStdString();
    };
    MessageRequest translated = request;
    translated.text = translate(request.text);
    translated.caption = translate(request.caption);
    return translated;
}

bool FaceHasLetters(const QFont& font, const QString& text) {
    const QRawFont face = QRawFont::fromFont(font);
    if (!face.isValid()) return false;
    for (const char32_t letter : text.toUcs4()) {
        // Spaces and line breaks of every kind, and the marks that draw nothing (a soft
        // hyphen, a zero-width space), need no glyph: a rich text's line break is U+2028.
        const QChar::Category kind = QChar::category(letter);
        if (QChar::isSpace(letter) || kind == QChar::Other_Format || kind == QChar::Other_Control)
            continue;
        if (!face.supportsCharacter(letter)) return false;
    }
    return true;
}

QFont FaceWithLetters(const QFont& font, const QString& text) {
    // Every face the game is designed with has the English letters; asking the face itself
    // would load it before the first paint needs it.
    const bool ascii =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii || FaceHasLetters(font, text)) return font;
    // Faces of the designed faces' open look, with every letter of the game's languages.
    static const char* const kStandIns[] = {"DejaVu Sans", "Noto Sans", "Liberation Sans", "Arial",
                                            "Segoe UI"};
    for (const char* family : kStandIns) {
        QFont standIn = font;
        standIn.setFamilies({QString::fromLatin1(family)});
        if (FaceHasLetters(standIn, text)) return standIn;
    }
    return font;
}

} // namespace harvesta::platform
