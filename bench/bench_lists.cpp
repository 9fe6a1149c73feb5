// A player's whole photo collection: the picture list of a category of 40,000 photos, from the click
// on the category to the filled list; and start-up with 20,000 category folders beside the program,
// against start-up without them. Medians of five.
#include "bench_common.h"
#include "support.h"

#include <QApplication>

namespace {

double startUp(const ProgramFolder &folder)
{
    QElapsedTimer t;
    t.start();
    Game game(folder);
    QCoreApplication::processEvents();
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ProgramFolder folder;
    folder.addSongs();
    folder.addFolder(QStringLiteral("Collection"));
    // Named as cameras and phones name them, in every spelling of the extension.
    const char *const extensions[] = {".jpg", ".JPG", ".jpeg", ".JPEG"};
    for (int i = 0; i < 40000; ++i) {
        QFile f(folder.file(QStringLiteral("Collection/IMG_%1%2")
                                .arg(i * 7919 % 40000, 5, 10, QChar(u'0'))
                                .arg(QLatin1String(extensions[i % 4]))));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
    }
    std::vector<double> list, bare, many;
    {
        Game game(folder);
        for (int i = 0; i < 5; ++i) {
            game->files->trigger();
            if (game->List1->isHidden())
                game->files->trigger();
            QElapsedTimer t;
            t.start();
            game.clickListItem(game->List1, QStringLiteral("Collection"));
            list.push_back(t.nsecsElapsed() / 1e6);
            if (game->File1->count() != 40000)
                std::fprintf(stderr, "the picture list holds %d photos\n", int(game->File1->count()));
            game->Label1_Click();
        }
    }
    for (int i = 0; i < 5; ++i)
        bare.push_back(startUp(folder));
    for (int i = 0; i < 20000; ++i)
        folder.addFolder(QStringLiteral("Album %1").arg(i * 7919 % 20000, 5, 10, QChar(u'0')));
    for (int i = 0; i < 5; ++i)
        many.push_back(startUp(folder));
    bench::figure("picture list of 40,000 photos, from the click", bench::median(list), "ms", "< 300 ms");
    bench::figure("start-up without category folders", bench::median(bare), "ms", "baseline");
    bench::figure("start-up with 20,000 category folders", bench::median(many), "ms", "< 200 ms");
    return 0;
}
