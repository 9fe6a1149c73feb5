#include "window/language.h"

#include <QLibraryInfo>
#include <QLocale>

namespace language {

Translations find(const QStringList &desktop)
{
    Translations t;
    for (const QString &tag : desktop) {
        const QLocale wanted(tag);
        // No language at all (C, C.UTF-8, POSIX) is the game's own; a tag nobody knows is passed over.
        if (wanted.language() == QLocale::English ||
            (wanted.language() == QLocale::C && (tag.startsWith(u'C') || tag == u"POSIX")))
            return t;
        // Portuguese is spoken as in Brazil, Chinese in its simplified script only.
        const QString name = wanted.language() == QLocale::Portuguese ? QStringLiteral("pt_BR")
                             : wanted.language() != QLocale::Chinese  ? QLocale::languageToCode(wanted.language())
                             : wanted.script() == QLocale::TraditionalChineseScript ? QString()
                                                                                    : QStringLiteral("zh_CN");
        auto game = std::make_unique<QTranslator>();
        if (name.isEmpty() || !game->load(QStringLiteral(":/i18n/vareriz_") + name))
            continue;
        t.name = name;
        t.game = std::move(game);
        t.toolkit = std::make_unique<QTranslator>();
        if (!t.toolkit->load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            t.toolkit.reset();
        return t;
    }
    return t;
}

} // namespace language
