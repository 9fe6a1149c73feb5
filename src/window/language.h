#pragma once
// The player's language: the game's own translation, and the toolkit's for its own words (the
// buttons of a message, the menu of a text), for the first of the desktop's languages that the game
// speaks. Where English, or no language (C, POSIX), comes first, the game speaks its own English.
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace language {

struct Translations {
    QString name; // as the translation is named: "de", "pt_BR" ...; empty for English
    std::unique_ptr<QTranslator> game, toolkit;
};

// `desktop` is the desktop's languages, most wanted first (QLocale::system().uiLanguages()).
Translations find(const QStringList &desktop);

} // namespace language
