// Two hundred games in one process: choices, drags, reshuffles, option and music changes, New Image.
// Once the first games have settled what the synthesiser, the caches and the allocator keep, memory
// no longer grows from game to game.
#include "support.h"

#include <QPushButton>
#include <numeric>
#include <random>

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void memoryStopsGrowingOnceSettled()
    {
        ProgramFolder folder;
        folder.addPicture("Soak", "a.jpg", gridPicture(640, 480, 10));
        folder.addPicture("Soak", "b.jpg", gridPicture(1600, 1200, 5), false);
        folder.addPicture("Soak", "c.jpg", gridPicture(300, 500, 4));
        folder.addSongs();
        Game game(folder, true, Game::Synthesised);
        Form1 &f = *game;
        std::mt19937 rng(2026);
        auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        const QString pictures[] = {"a.jpg", "b.jpg", "c.jpg"};
        constexpr int games = 200, settled = 50;
        std::vector<double> mb;
        for (int g = 0; g < games; ++g) {
            f.tessere[1 + pick(3)]->trigger();
            game.choose("Soak", pictures[pick(3)]);
            QVERIFY(f.scelta_file);
            for (int move = 0; move < 12; ++move) {
                PictureBox *tile = f.Picture2[1 + pick(f.TessNum)];
                const QPoint to = tile->mapFrom(f.surface, f.Picture1[1 + pick(f.TessNum)]->pos() + QPoint(3, 3));
                QTest::mousePress(tile, Qt::LeftButton, {}, QPoint(3, 3));
                QTest::mouseMove(tile, to);
                QTest::mouseRelease(tile, Qt::LeftButton, {}, to);
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
            mb.push_back(residentMB());
        }
        // The climb of resident memory over the settled games, from the mean of their first half to that
        // of their second, a game: a leak of even a few tens of kilobytes a game shows, while the
        // allocator's ups and downs cancel out.
        const auto mean = [&](int from, int to) {
            return std::accumulate(&mb[size_t(from)], &mb[size_t(to)], 0.0) / (to - from);
        };
        const int half = (games + settled) / 2;
        const double kbPerGame = (mean(half, games) - mean(settled, half)) / (half - settled) * 1024;
        std::printf("FIGURE | memory growth per game, games %d to %d | %.2f KB | < 20 KB\n", settled + 1, games,
                    kbPerGame);
        QVERIFY(game.messages.isEmpty());
        QVERIFY2(kbPerGame < 20, qPrintable(QStringLiteral("%1 KB a game").arg(kbPerGame)));
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
