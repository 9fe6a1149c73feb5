// The processor time the game takes while the waiting animation runs and the player hesitates.
#include "bench_common.h"
#include "support.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ProgramFolder folder;
    Game game(folder);
    if (!QTest::qWaitFor([&] { return game->animationRunning(); }, 5000))
        return 1;
    const double before = bench::cpuMs();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(5000);
    bench::figure("processor use while waiting", (bench::cpuMs() - before) / double(wall.elapsed()) * 100,
                  "% of one core", "< 5 %");
    return 0;
}
