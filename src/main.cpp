#include "platform/controls/paths.h"
#include "platform/pictures/picture_loader.h"
#include "platform/sound/fluid_backend.h"
#include "window/form1.h"
#include "window/language.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>

namespace {

const char *const usage = QT_TRANSLATE_NOOP(
    "main", "Usage: vareriz [PHOTO...]\n"
            "       vareriz --help | --version\n"
            "A picture puzzle: choose a picture, and rebuild it from its shuffled tiles.\n"
            "\n"
            "Given photos, the game starts with the first one dealt; the others are left.\n"
            "A photo dropped on the window, pasted (Ctrl+V) or opened (Ctrl+O) is dealt too,\n"
            "while no picture is chosen.\n"
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
    // Photos to deal at start, as Open With gives them; the options stand alone.
    QStringList photos;
    bool options = true; // until "--", after which a name beginning with "-" is a photo too
    for (int i = 1; i < argc; ++i) {
        const bool alone = argc == 2, option = options && argv[i][0] == '-' && argv[i][1] != '\0';
        if (option && std::strcmp(argv[i], "--") == 0) {
            options = false;
            continue;
        }
        if (alone && std::strcmp(argv[i], "--help") == 0) {
            std::fputs(say(usage).constData(), stdout);
            return 0;
        }
        if (alone && std::strcmp(argv[i], "--version") == 0) {
            std::puts("vareriz " VARERIZ_VERSION);
            return 0;
        }
        if (option) {
            std::fputs(QString::fromLocal8Bit(
                           say(QT_TRANSLATE_NOOP("main", "vareriz: unexpected argument '%1' (try vareriz --help)\n")))
                           .arg(QString::fromLocal8Bit(argv[i]))
                           .toLocal8Bit()
                           .constData(),
                       stderr);
            return 2;
        }
        photos << QFile::decodeName(argv[i]);
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
    // The image plugins' own complaints about damaged pictures stay off the terminal: the player is told
    // in the game's own words. The readers' own guard on what a decode may take lets through what the
    // game's budget does, and no more.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    QImageReader::setAllocationLimit(int(picture::decodeBudget >> 20) + 1);
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
    if (!photos.isEmpty())
        QMetaObject::invokeMethod(
            &window, [&window, photo = photos.first()] { window.openPhoto(photo); }, Qt::QueuedConnection);
    return app.exec();
}
