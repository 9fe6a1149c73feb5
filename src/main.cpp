#include "platform/fluid_backend.h"
#include "platform/paths.h"
#include "window/form1.h"
#include "window/language.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>

namespace {

const char *const usage = QT_TRANSLATE_NOOP(
    "main", "Usage: vareriz [--help | --version]\n"
            "A picture puzzle: choose a picture, and rebuild it from its shuffled tiles.\n"
            "\n"
            "Your own pictures: make a folder in ~/.local/share/vareriz/ (or $XDG_DATA_HOME/vareriz/),\n"
            "one for each category, and put your photos into it (.jpg, .jpeg, .heic, .heif, .png,\n"
            ".webp or .avif). See vareriz(6).\n");

// The folder of frames, songs and pictures: beside the program when a library stands there (a build
// tree, a folder the player unpacked), otherwise the data folder of an installed game, found from
// the program's own place (/usr/games/vareriz reads /usr/share/games/vareriz).
QString libraryFolder()
{
    const QString beside = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(paths::resolve(beside, QStringLiteral("frame1.gif"))))
        return beside;
    return QFileInfo(beside + QStringLiteral("/../share/games/vareriz")).absoluteFilePath();
}

} // namespace

int main(int argc, char *argv[])
{
    // The desktop's language, for the few words said before the window, and for the window's.
    const language::Translations translations = language::find(QLocale::system().uiLanguages());
    const auto say = [&](const char *text) {
        const QString translated = translations.game ? translations.game->translate("main", text) : QString();
        return (translated.isEmpty() ? QString::fromUtf8(text) : translated).toLocal8Bit();
    };
    if (argc > 1) {
        if (std::strcmp(argv[1], "--help") == 0 && argc == 2) {
            std::fputs(say(usage).constData(), stdout);
            return 0;
        }
        if (std::strcmp(argv[1], "--version") == 0 && argc == 2) {
            std::puts("vareriz " VARERIZ_VERSION);
            return 0;
        }
        std::fputs(
            QString::fromLocal8Bit(say(QT_TRANSLATE_NOOP("main", "vareriz: unexpected argument '%1' (try vareriz "
                                                                 "--help)\n")))
                .arg(QString::fromLocal8Bit(argv[1]))
                .toLocal8Bit()
                .constData(),
            stderr);
        return 2;
    }
    // Without a display Qt would abort with a long message; say it in one line instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs(say(QT_TRANSLATE_NOOP("main", "vareriz: no display found; start it from a desktop session "
                                                 "(DISPLAY is not set)\n"))
                       .constData(),
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    for (QTranslator *t : {translations.game.get(), translations.toolkit.get()})
        if (t)
            QCoreApplication::installTranslator(t);

    Form1Context context;
    context.programFolder = libraryFolder();
    context.playerFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/vareriz");
    context.media = std::make_unique<FluidBackend>();
    Form1 window(std::move(context));
    window.start();
    if (!window.startedWell())
        return 1;
    return app.exec();
}
