// Choosing a picture with 100 tiles: a 1024 x 768 JPEG and a 6000 x 4000 JPEG, each from the click
// on its name to the dealt board, against a plain full-resolution decode of the large file; then
// "Reshuffle", and the peak memory after the large choice.
#include "bench_common.h"
#include "generator.h"
#include "platform/file_list.h"
#include "support.h"

#include <QApplication>
#include <QImageReader>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>

namespace {

double timeChoice(Game &game, const QString &name)
{
    Form1 &f = *game;
    if (f.scelta_file)
        QTest::mouseClick(f.CMGame, Qt::LeftButton);
    f.files->trigger();
    game.clickListItem(f.List1, QStringLiteral("Bench"));
    QElapsedTimer t;
    t.start();
    game.clickListItem(f.File1, name);
    QCoreApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    if (!f.scelta_file || f.Picture2.ubound() != 100)
        std::fprintf(stderr, "the choice of %s failed\n", qPrintable(name));
    return ms;
}

} // namespace

// In a process of its own, so that nothing else the benchmark did counts: start the game on the
// program folder given, choose the large picture, and report the peak resident memory.
int peakAfterLargeChoice(const QString &programFolder)
{
    Form1Context context;
    context.programFolder = programFolder;
    Form1 form(std::move(context));
    form.start();
    form.files->trigger();
    form.List1->setCurrentRow(0);
    form.List1_Click();
    form.File1->setCurrentRow(0);
    form.File1_Click();
    QCoreApplication::processEvents();
    std::printf("%.3f\n", form.scelta_file ? bench::peakMB() : -1.0);
    return 0;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--peak") == 0)
        return peakAfterLargeChoice(QString::fromLocal8Bit(argv[2]));
    ProgramFolder folder;
    folder.addFolder(QStringLiteral("Bench/model"));
    // Landscapes painted as the sample library's first one is.
    const auto paint = gen::pictureSpecs().front().paint;
    const QImage small = paint({"Bench", "small", 1024, 768, paint, 7});
    small.save(folder.file(QStringLiteral("Bench/small.jpg")), "JPEG", 90);
    paint({"Bench", "large", 6000, 4000, paint, 8}).save(folder.file(QStringLiteral("Bench/large.jpg")), "JPEG", 90);
    gen::modelOf(small).save(folder.file(QStringLiteral("Bench/model/small.mod")), "PNG");

    // The peak, measured first, in a program folder whose only picture is the large one.
    QTemporaryDir solo;
    QDir(solo.path()).mkpath(QStringLiteral("Bench"));
    for (int i = 1; i <= 6; ++i)
        QFile::copy(folder.file(QStringLiteral("frame%1.gif").arg(i)),
                    solo.filePath(QStringLiteral("frame%1.gif").arg(i)));
    QFile::copy(folder.file(QStringLiteral("Bench/large.jpg")), solo.filePath(QStringLiteral("Bench/large.jpg")));
    QProcess child;
    child.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--peak"), solo.path()});
    child.waitForFinished(60000);
    const double peak = child.readAllStandardOutput().trimmed().toDouble();

    Game game(folder);
    std::vector<double> smallMs, largeMs, decodeMs, reshuffleMs;
    timeChoice(game, QStringLiteral("large.jpg")); // warm the caches once
    for (int i = 0; i < 5; ++i)
        largeMs.push_back(timeChoice(game, QStringLiteral("large.jpg")));
    for (int i = 0; i < 5; ++i)
        smallMs.push_back(timeChoice(game, QStringLiteral("small.jpg")));
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(game->CMNew, Qt::LeftButton);
        QCoreApplication::processEvents();
        reshuffleMs.push_back(t.nsecsElapsed() / 1e6);
    }
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        QImageReader reader(folder.file(QStringLiteral("Bench/large.jpg")));
        const QImage img = reader.read();
        decodeMs.push_back(t.nsecsElapsed() / 1e6);
        if (img.isNull())
            std::fprintf(stderr, "the plain decode failed\n");
    }
    const double largeMed = bench::median(largeMs), decodeMed = bench::median(decodeMs);
    bench::figure("picture choice, 1024 x 768 JPEG, 100 tiles", bench::median(smallMs), "ms", "-");
    bench::figure("picture choice, 6000 x 4000 JPEG, 100 tiles", largeMed, "ms", "<= 0.75 x plain decode");
    bench::figure("plain full-resolution decode, 6000 x 4000 JPEG", decodeMed, "ms", "baseline");
    bench::figure("large choice / plain decode", largeMed / decodeMed, "x", "<= 0.75");
    bench::figure("Reshuffle, 100 tiles", bench::median(reshuffleMs), "ms", "< 20 ms");
    bench::figure("peak memory after choosing the large picture", peak, "MB", "< 150 MB");
    return 0;
}
