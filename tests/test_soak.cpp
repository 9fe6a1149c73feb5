// Two hundred games in one process: choices, random drags, reshuffles, option and music changes,
// New Image. Memory after the last game stays where it was after the first.
#include "platform/file_list.h"
#include "platform/fluid_backend.h"
#include "support.h"

#include <QPushButton>
#include <random>

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void twoHundredGamesLeaveMemoryWhereItWas();
};

void TestSoak::twoHundredGamesLeaveMemoryWhereItWas()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Soak"), QStringLiteral("a.jpg"), gridPicture(640, 480, 10));
    folder.addPicture(QStringLiteral("Soak"), QStringLiteral("b.jpg"), gridPicture(1600, 1200, 5), false);
    folder.addPicture(QStringLiteral("Soak"), QStringLiteral("c.jpg"), gridPicture(300, 500, 4));
    for (const char *s : {"inds_01", "inds_02", "inds_03", "Scopa"})
        folder.addFile(QStringLiteral("Music/%1.mid").arg(QString::fromLatin1(s)), shortSong(1));

    Form1Context c;
    c.programFolder = folder.path();
    FluidBackend::Options o;
    o.soundOutput = false;
    c.media = std::make_unique<FluidBackend>(o);
    int beeps = 0;
    c.beep = [&] { ++beeps; };
    QStringList messages;
    c.tell = [&](const QString &m) { messages << m; };
    Form1 f(std::move(c));
    f.start();
    Game driver(folder, false); // only its helpers are used, on the window above
    auto clickItem = [&](QListWidget *list, const QString &text) { return driver.clickListItem(list, text); };

    std::mt19937 rng(2026);
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    const QString pictures[] = {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg")};
    double afterFirst = 0;
    for (int game = 0; game < 200; ++game) {
        // The first game is the largest (100 tiles, the largest picture): what is measured after
        // it is the memory a game needs, and every later game needs no more.
        const bool first = game == 0;
        f.tessere[first ? 3 : 1 + pick(3)]->trigger();
        f.files->trigger();
        QVERIFY(clickItem(f.List1, QStringLiteral("Soak")));
        QVERIFY(clickItem(f.File1, pictures[first ? 1 : pick(3)]));
        QVERIFY(f.scelta_file);
        for (int move = 0; move < 12; ++move) {
            PictureBox *tile = f.Picture2[1 + pick(f.TessNum)];
            const QPoint to = f.Picture1[1 + pick(f.TessNum)]->pos();
            QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseMove(tile, tile->mapFrom(f.surface, to + QPoint(3, 3)));
            QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFrom(f.surface, to + QPoint(3, 3)));
            if (pick(10) == 0)
                (pick(2) ? f.fixno : f.fixyes)->trigger();
        }
        if (pick(3) == 0)
            QTest::mouseClick(f.CMNew, Qt::LeftButton);
        switch (pick(4)) {
        case 0: f.canzoni[1 + pick(10)]->trigger(); break;
        case 1: f.all->trigger(); break;
        case 2: f.nomusic->trigger(); break;
        default: break;
        }
        QCoreApplication::processEvents();
        QTest::mouseClick(f.CMGame, Qt::LeftButton);
        QCoreApplication::processEvents();
        if (game == 0)
            afterFirst = residentMB();
        if (game % 25 == 0)
            qInfo("after game %d: %.1f MB", game + 1, residentMB());
    }
    const double growth = residentMB() - afterFirst;
    std::printf("FIGURE | memory growth over 200 games | %.3f MB | < 5 MB\n", growth);
    QVERIFY(messages.isEmpty());
    QVERIFY2(growth < 5, qPrintable(QStringLiteral("%1 MB").arg(growth)));
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
