// Carrying a tile across a 100-tile board: the time from each mouse move to the end of the repaint
// it causes, on a 1024 x 768 offscreen screen.
#include "bench_common.h"
#include "platform/controls/file_list.h"
#include "support.h"

#include <QApplication>
#include <QMouseEvent>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Bench"), QStringLiteral("grid.jpg"), gridPicture(1000, 1000, 10));
    Game game(folder);
    game.choose(QStringLiteral("Bench"), QStringLiteral("grid.jpg"));
    Form1 &f = *game;
    QCoreApplication::processEvents();
    int paints = 0;
    struct Counter : QObject {
        int *n;
        explicit Counter(int *c) : n(c) {}
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                ++*n;
            return false;
        }
    } counter(&paints);
    // Every paint of any widget counts: a moved tile is mostly copied, not repainted, and what it
    // uncovers is painted by the widgets beneath it.
    app.installEventFilter(&counter);

    std::vector<double> ms;
    for (int round = 0; round < 3; ++round) {
        PictureBox *tile = f.Picture2[f.trayOrder()[size_t(1 + round * 7)]];
        const QPoint grab(10, 10);
        QTest::mousePress(tile, Qt::LeftButton, {}, grab);
        const QPoint from = tile->pos();
        const QPoint to = f.Picture1[45]->pos();
        for (int i = 1; i <= 200; ++i) {
            const QPoint at = from + (to - from) * i / 200 + grab + QPoint(0, (i % 7) - 3);
            const QPointF local = tile->mapFrom(f.surface, at);
            QMouseEvent move(QEvent::MouseMove, local, tile->mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QElapsedTimer t;
            t.start();
            QApplication::sendEvent(tile, &move);
            // The repaint it causes: the window's update request, which paints what the move
            // uncovered and covers into the window's backing store.
            QEvent update(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(f.windowHandle(), &update);
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        QTest::mouseRelease(tile, Qt::LeftButton, {}, grab);
    }
    if (paints < int(ms.size()))
        std::fprintf(stderr, "only %d paints for %zu moves: the moves were not repainted\n", paints, ms.size());
    bench::figure("drag move to repaint, median", bench::median(ms), "ms", "< 0.5 ms");
    bench::figure("drag move to repaint, 99th percentile", bench::percentile(ms, 99), "ms", "< 2 ms");
    std::printf("(%zu moves, %d widget paints)\n", ms.size(), paints);
    return 0;
}
