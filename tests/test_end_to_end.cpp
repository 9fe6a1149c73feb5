// The game as players install and run it: the Debian package, checked as a desktop and lintian check
// it, then the installed program on a real X server under a real window manager (openbox): the whole
// window, frame included, inside the area that panels leave free, at start and after minimise and
// restore; a whole game played with the mouse and the keyboard on a picture of the player's own
// folder; closing from the window manager.
#include "support.h"

#include <QProcess>

namespace {

const QString caption = "Rizerizo  -  Vareriz";

// An X server of a given size with openbox, and a panel along the bottom if asked for.
struct Desktop {
    Desktop(QSize size, int panel)
    {
        // The server picks a free display, and names it once it accepts clients.
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0",
                            QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()), "-nolisten", "tcp"});
        if (xvfb.waitForReadyRead(30000))
            display = u':' + QString::fromLatin1(xvfb.readAllStandardOutput()).trimmed();
        env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.insert("DISPLAY", display);
        wm.setProcessEnvironment(env);
        // Ready once it has started up in full: it then runs the command it was given.
        const QString ready = scratch.filePath("ready");
        wm.start("openbox", {"--startup", "touch " + ready});
        (void)QTest::qWaitFor([&] { return QFileInfo::exists(ready); }, 30000);
        (void)QTest::qWaitFor([&] { return workArea().isValid(); }, 15000);
        if (panel > 0)
            addPanel(size, panel);
    }
    ~Desktop()
    {
        for (QProcess *p : {&panel, &wm, &xvfb}) {
            p->terminate();
            p->waitForFinished(5000);
        }
    }
    // A window that reserves a strip at the bottom of the screen, as a desktop's panel does.
    void addPanel(QSize size, int height)
    {
        panel.setProcessEnvironment(env);
        panel.start("xmessage",
                    {"-title", "panel", "-geometry",
                     QStringLiteral("%1x%2+0+%3").arg(size.width()).arg(height).arg(size.height() - height), "panel"});
        const QString strut = QStringLiteral("0,0,0,%1,0,0,0,0,0,0,0,%2").arg(height).arg(size.width() - 1);
        (void)QTest::qWaitFor(
            [&] {
                run("xprop",
                    {"-name", "panel", "-f", "_NET_WM_STRUT_PARTIAL", "32c", "-set", "_NET_WM_STRUT_PARTIAL", strut});
                return workArea().height() == size.height() - height;
            },
            15000);
    }
    QString run(const QString &program, const QStringList &args)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, args);
        p.waitForFinished(30000);
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }
    // Numbers after the "=" of xprop's answer.
    QList<int> numbers(const QStringList &xprop)
    {
        QList<int> out;
        for (const QString &n : run("xprop", xprop).section(u'=', 1).split(u','))
            out << n.trimmed().toInt();
        return out;
    }
    QRect workArea()
    {
        const QList<int> a = numbers({"-root", "_NET_WORKAREA"});
        return a.size() >= 4 ? QRect(a[0], a[1], a[2], a[3]) : QRect();
    }
    // The client area and the whole window, frame included, on the screen.
    QRect client(const QString &id)
    {
        const QString info = run("xwininfo", {"-id", id});
        auto value = [&](const char *key) {
            return info.section(QLatin1String(key), 1).section(u'\n', 0, 0).trimmed().toInt();
        };
        return QRect(value("Absolute upper-left X:"), value("Absolute upper-left Y:"), value("Width:"),
                     value("Height:"));
    }
    QRect frame(const QString &id)
    {
        const QList<int> e = numbers({"-id", id, "_NET_FRAME_EXTENTS"});
        return e.size() == 4 ? client(id).adjusted(-e[0], -e[2], e[1], e[3]) : QRect();
    }
    QImage screenshot()
    {
        const QString path = scratch.filePath("shot.png");
        run("import", {"-window", "root", path});
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    }
    // Runs an xdotool command and waits until the screen shows its effect.
    bool act(const QStringList &xdotool)
    {
        const QImage before = screenshot();
        run("xdotool", xdotool);
        return QTest::qWaitFor([&] { return screenshot() != before; }, 15000);
    }
    // Starts a program and waits for its window to paint: its window id, or empty.
    QString launch(QProcess &game, const QString &program)
    {
        game.setProcessEnvironment(env);
        game.setProcessChannelMode(QProcess::ForwardedErrorChannel); // a sanitizer's report shows here
        game.start(program, {});
        QString id;
        if (!QTest::qWaitFor([&] { return !(id = run("xdotool", {"search", "--name", caption})).isEmpty(); }, 30000))
            return QString();
        id = id.section(u'\n', 0, 0);
        return QTest::qWaitFor([&] { return surface(id).y() >= 0; }, 30000) ? id : QString();
    }
    // The top-left corner of the window's surface, below the menu bar, found from the white board
    // frame that stands 0.03 W into it; y is -1 until the window has painted. It is looked for at
    // 0.43 W across, right of the grid where the waiting animation flashes its frames.
    QPoint surface(const QString &id)
    {
        const QRect c = client(id);
        const QImage shot = screenshot();
        const int x = c.x() + qRound(c.width() * 0.43);
        for (int y = c.y(); y < c.y() + 120; ++y)
            if (shot.pixelColor(x, y) == QColor(Qt::white) && shot.pixelColor(x, y + 100) == QColor(Qt::white))
                return QPoint(c.x(), y - qRound(frame(id).width() * 0.03));
        return QPoint(c.x(), -1);
    }
    // The top of the olive bar behind the music control and the buttons: the first row below the
    // board that is not the window's own colour.
    int barTop(const QString &id)
    {
        const QRect c = client(id);
        const QImage shot = screenshot();
        for (int y = c.top() + c.height() * 3 / 4; y < c.bottom(); ++y)
            if (shot.pixelColor(c.x() + c.width() / 10, y) != QColor(192, 192, 0))
                return y;
        return -1;
    }
    QProcess xvfb, wm, panel;
    QTemporaryDir scratch; // the window manager's ready mark, screenshots
    QString display;
    QProcessEnvironment env;
};

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT
    QTemporaryDir work;
    QString installed;          // the program as the package installs it
    QProcessEnvironment player; // with a category of the player's own, of one picture

private slots:
    // The package as ./package makes it, from the build under test, unpacked into a folder.
    void initTestCase()
    {
        const auto run = [&](const QString &program, const QStringList &args) {
            QProcess p;
            p.setWorkingDirectory(QStringLiteral(BUILD_DIR));
            p.setProcessChannelMode(QProcess::ForwardedChannels);
            p.start(program, args);
            return p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        QCOMPARE(run("cpack", {"-G", "DEB", "-B", work.path()}), 0);
        const QStringList debs = QDir(work.path()).entryList({"vareriz_*.deb"});
        QCOMPARE(debs.size(), 1);
        const QString deb = work.filePath(debs.first()), usr = work.filePath("root/usr/");
        QCOMPARE(run("dpkg-deb", {"-x", deb, work.filePath("root")}), 0);
        const QString id = "io.github.vareriz.Vareriz";
        for (const char *f :
             {"games/vareriz", "share/games/vareriz/frame1.gif", "share/games/vareriz/Music/Sevilana.mid",
              "share/man/man6/vareriz.6.gz", "share/doc/vareriz/copyright"})
            QVERIFY2(QFileInfo::exists(usr + f), f);
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QCOMPARE(QImage(usr + QStringLiteral("share/icons/hicolor/%1x%1/apps/vareriz.png").arg(size)).size(),
                     QSize(size, size));
        QCOMPARE(run("desktop-file-validate", {usr + "share/applications/" + id + ".desktop"}), 0);
        QCOMPARE(run("appstreamcli", {"validate", "--no-net", usr + "share/metainfo/" + id + ".metainfo.xml"}), 0);
        QCOMPARE(run("lintian", {"--fail-on", "error", deb}), 0);
        // A command-line program's manners: --version and --help answer, anything else is refused.
        installed = usr + "games/vareriz";
        QCOMPARE(run(installed, {"--version"}), 0);
        QCOMPARE(run(installed, {"--help"}), 0);
        QCOMPARE(run(installed, {"--fullscreen"}), 2);
        const QString data = work.filePath("data");
        QVERIFY(QDir().mkpath(data + "/vareriz/Colours"));
        QVERIFY(gridPicture(800, 800, 4).save(data + "/vareriz/Colours/grid.jpg", "JPEG", 95));
        player.insert("XDG_DATA_HOME", data);
    }

    void theWindowFitsTheFreeAreaAndAWholeGameIsPlayed_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("panel");
        QTest::addColumn<bool>("fromPackage"); // or from the build tree, with the library beside it
        QTest::newRow("1024 x 768, a whole game") << QSize(1024, 768) << 0 << true;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << 0 << false;
        QTest::newRow("1024 x 768, a panel of 40 at the bottom") << QSize(1024, 768) << 40 << true;
    }

    void theWindowFitsTheFreeAreaAndAWholeGameIsPlayed()
    {
        QFETCH(QSize, screen);
        QFETCH(int, panel);
        QFETCH(bool, fromPackage);
        Desktop desktop(screen, panel);
        const QRect area = desktop.workArea();
        QCOMPARE(area, QRect(QPoint(0, 0), screen - QSize(0, panel)));
        desktop.env.insert(player);
        QProcess game;
        const QString id = desktop.launch(game, fromPackage ? installed : QStringLiteral(GAME));
        QVERIFY2(!id.isEmpty(), "the window did not appear");
        // The whole window, frame included, fills the free area, at start and after minimise and
        // restore, with the button row where it was.
        QVERIFY(QTest::qWaitFor([&] { return desktop.frame(id) == area; }, 15000));
        QVERIFY(desktop.frame(id).width() > desktop.client(id).width()); // really framed
        const int bar = desktop.barTop(id);
        QVERIFY(bar > 0 && bar < area.bottom());
        QVERIFY(desktop.act({"windowminimize", id}));
        QVERIFY(desktop.act({"windowactivate", id}));
        QVERIFY(QTest::qWaitFor([&] { return desktop.frame(id) == area && desktop.barTop(id) == bar; }, 15000));
        if (screen.width() != 1024 || panel) {
            // The window manager's close request ends the game.
            desktop.run("wmctrl", {"-i", "-c", id});
            QVERIFY(game.state() == QProcess::NotRunning || game.waitForFinished(30000));
            QCOMPARE(game.exitStatus(), QProcess::NormalExit);
            QCOMPARE(game.exitCode(), 0);
            return;
        }
        const QPoint s = desktop.surface(id); // W = 1024: every place below is a fraction of it
        const QImage first = desktop.screenshot();
        QCOMPARE(first.pixelColor(s + QPoint(30, 200)), QColor(192, 192, 0));
        QCOMPARE(first.pixelColor(s + QPoint(31, 200)), QColor(Qt::white));
        QCOMPARE(first.pixelColor(s + QPoint(465, 465)), QColor(Qt::white));
        QCOMPARE(first.pixelColor(s + QPoint(200, 466)), QColor(192, 192, 0));
        const auto click = [&](int x, int y) {
            return desktop.act({"mousemove", QString::number(s.x() + x), QString::number(s.y() + y), "click", "1"});
        };
        // Options, N° of tesserae, 16 with the keyboard; Images; then with the keyboard too the
        // player's own category, Colours, just below Cities, and its picture.
        QVERIFY(click(90, -10));
        for (const char *key : {"Down", "Right", "Return"})
            QVERIFY(desktop.act({"key", QString::fromLatin1(key)}));
        QVERIFY(click(30, -10));
        for (const char *key : {"Down", "Return", "Tab", "End", "Return"})
            QVERIFY(desktop.act({"key", QString::fromLatin1(key)}));
        // The centre of tray place or board cell p: the tray from 0.57 W across, the board from 1.224 x
        // 465 twips; both 1.224 x 465 twips down, in steps of the tile's side, 106 pixels.
        const auto centre = [&](int x, int p) {
            return s + QPoint(x + (p - 1) % 4 * 106 + 53, 38 + (p - 1) / 4 * 106 + 53);
        };
        const auto cell = [&](int p) { return centre(38, p); };
        // Each tray place shows a piece of its own, known by its colour.
        QList<int> dealt;
        QImage shot;
        QVERIFY(QTest::qWaitFor(
            [&] {
                shot = desktop.screenshot();
                dealt.clear();
                for (int p = 1; p <= 16; ++p)
                    for (int k = 1; k <= 16; ++k)
                        if (similar(shot.pixelColor(centre(584, p)), pieceColour(k, 4), 20))
                            dealt << k;
                return QSet<int>(dealt.begin(), dealt.end()).size() == 16 && dealt.size() == 16;
            },
            15000));
        // Carry each to its cell.
        for (int p = 1; p <= 16; ++p) {
            const QPoint from = centre(584, p), to = cell(dealt[p - 1]);
            QStringList drag{"mousemove", QString::number(from.x()), QString::number(from.y()), "mousedown", "1"};
            for (int i = 1; i <= 6; ++i)
                drag << "mousemove" << QString::number((from + (to - from) * i / 6).x())
                     << QString::number((from + (to - from) * i / 6).y());
            QVERIFY(desktop.act(drag << "mouseup"
                                     << "1"));
        }
        // "Congratulations": the banner at 0.545 W across, level with the frame; the picture whole.
        QVERIFY(QTest::qWaitFor(
            [&] { return (shot = desktop.screenshot()).pixelColor(s + QPoint(565, 35)) == QColor(255, 255, 128); },
            15000));
        for (int k = 1; k <= 16; ++k) {
            const QColor c = shot.pixelColor(cell(k));
            QVERIFY2(std::abs(c.hue() - pieceColour(k, 4).hue()) < 12 || c.saturation() < 40,
                     qPrintable(QString::number(k)));
        }
        QVERIFY(click(871 - 4, 668 + 10)); // Quit
        QVERIFY(game.state() == QProcess::NotRunning || game.waitForFinished(30000));
        QCOMPARE(game.exitCode(), 0);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"
