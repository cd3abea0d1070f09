#pragma once
// The player's language: the embedded translation of the first language the system prefers
// that the game speaks, and the toolkit's own translation for its dialogs. English, the
// game's own texts, needs no translation.

#include "platform/Platform.h"

#include <QFont>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace harvesta::platform {

// The languages the game speaks besides English, by the suffix of their translation
// ("de", "pt_BR").
const QStringList& TranslatedLanguages();

// The first of the preferences (most wanted first, as QLocale::uiLanguages gives them) that
// the game speaks; empty for English, which a preference for English, C or POSIX gives, as
// does a list without any language the game speaks.
QString ChooseLanguage(const QStringList& preferences);

// Installs the translation of ChooseLanguage(preferences) in the application, in place of
// any installed before, and returns its language (empty for English).
QString InstallTranslation(const QStringList& preferences = QLocale::system().uiLanguages());

// The language InstallTranslation chose last; empty for English.
QString CurrentLanguage();

// The name of a resource block in the current language ("help_file_DE" for "help_file"): the
// manual page and the board's pause and game-over captions. The English block where the
// language has none.
QString LocalisedBlockName(const QString& english);
inline QString ManualBlockName() {
    return LocalisedBlockName(QStringLiteral("help_file"));
}

// A message of the plain core in the player's language: every line of its text and its
// caption that the translation knows; the rest (picture names, figures) as it stands.
MessageRequest TranslatedMessage(const MessageRequest& request);

// The font itself where its face has every letter of the text; otherwise the same size and
// style in a face that has them all, so that no letter is drawn from a face of another look
// or as an empty box. The designed stand-ins lack some scripts (no Greek in the Tahoma
// stand-in, no Cyrillic or Greek in the Verdana one).
QFont FaceWithLetters(const QFont& font, const QString& text);

// Whether the font's own face (not a fallback) has a glyph for every letter of the text.
bool FaceHasLetters(const QFont& font, const QString& text);

} // namespace harvesta::platform
