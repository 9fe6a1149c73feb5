// Start-up: the time from starting a process to the first paint of its main window, for the game
// (sample library, music on) and for a bare Qt window that does nothing, measured alternately in
// the same run. Each process reports its first paint on standard output and ends at once.
#include "bench_common.h"
#include "platform/sound/fluid_backend.h"
#include "window/form1.h"

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QTest>

namespace {

struct FirstPaint : QObject {
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            std::printf("painted\n");
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

int child(int argc, char **argv, bool game)
{
    QApplication app(argc, argv);
    FirstPaint watch;
    if (!game) {
        QMainWindow bare;
        bare.setCentralWidget(new QWidget);
        bare.centralWidget()->installEventFilter(&watch);
        bare.show();
        return app.exec();
    }
    Form1Context context;
    context.programFolder = QStringLiteral(PROGRAM_DIR);
    context.media = std::make_unique<FluidBackend>();
    Form1 window(std::move(context));
    window.surface->installEventFilter(&watch);
    window.start();
    return app.exec();
}

double measure(const char *self, const char *mode)
{
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(QString::fromLocal8Bit(self), {QString::fromLatin1(mode)});
    while (p.state() != QProcess::NotRunning || p.bytesAvailable()) {
        if (p.waitForReadyRead(10000) && p.readAll().contains("painted")) {
            const double ms = t.nsecsElapsed() / 1e6;
            p.waitForFinished(5000);
            return ms;
        }
        if (p.state() == QProcess::NotRunning)
            break;
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && (qstrcmp(argv[1], "--game") == 0 || qstrcmp(argv[1], "--bare") == 0))
        return child(argc, argv, qstrcmp(argv[1], "--game") == 0);
    std::vector<double> game, bare;
    for (int i = 0; i < 30; ++i) {
        bare.push_back(measure(argv[0], "--bare"));
        game.push_back(measure(argv[0], "--game"));
    }
    const double g = bench::median(game), b = bench::median(bare);
    bench::figure("start-up to first paint, the game", g, "ms", "<= 2 x bare window");
    bench::figure("start-up to first paint, a bare Qt window", b, "ms", "baseline");
    bench::figure("start-up, game / bare window", g / b, "x", "<= 2");
    return 0;
}
