// The processor time the game takes while the waiting animation runs and the player hesitates.
#include "bench_common.h"
#include "support.h"

#include <QApplication>
#include <sys/resource.h>

static double cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ProgramFolder folder;
    Game game(folder);
    if (!QTest::qWaitFor([&] { return game->animationRunning(); }, 5000))
        return 1;
    const double before = cpuMs();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(5000);
    bench::figure("processor use while waiting", (cpuMs() - before) / double(wall.elapsed()) * 100, "% of one core",
                  "< 5 %");
    return 0;
}
