// The game as players install and run it: the Debian package, checked as a desktop and lintian check
// it, then the installed program on a real X server under a real window manager (openbox): the whole
// window, frame included, inside the area that panels leave free, at start and after minimise and
// restore; a whole game played with the mouse and the keyboard on a picture of the player's own
// folder; closing from the window manager.
#include "board/rules.h"
#include "platform/controls/twips.h"
#include "support.h"

#include <QProcess>

namespace {

const QString caption = "Rizerizo  -  Vareriz";

// An X server of a given size with a window manager (openbox, or Xfce's xfwm4 with its compositor),
// and a panel along the bottom if asked for.
struct Desktop {
    Desktop(QSize size, int panel, const QString &manager)
    {
        // The server picks a free display, and names it once it accepts clients.
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0",
                            QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()), "-nolisten", "tcp"});
        if (xvfb.waitForReadyRead(60000))
            display = u':' + QString::fromLatin1(xvfb.readAllStandardOutput()).trimmed();
        env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.insert("DISPLAY", display);
        wm.setProcessEnvironment(env);
        // Ready once it has started up in full: openbox then runs the command it was given, xfwm4 names
        // itself on the screen.
        const QString ready = scratch.filePath("ready");
        if (manager == u"openbox")
            wm.start("openbox", {"--startup", "touch " + ready});
        else
            wm.start("dbus-run-session", {manager});
        (void)QTest::qWaitFor(
            [&] {
                return manager == u"openbox"
                           ? QFileInfo::exists(ready)
                           : run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
            },
            60000);
        (void)QTest::qWaitFor([&] { return workArea().isValid(); }, 60000);
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
    bool minimised(const QString &id) { return run("xprop", {"-id", id, "_NET_WM_STATE"}).contains("HIDDEN"); }
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
    // What tesseract reads on the whole screen, as a player sees it.
    QString read()
    {
        const QString path = scratch.filePath("read.png");
        run("import", {"-window", "root", "-resize", "200%", path});
        return run("tesseract", {path, "-", "--psm", "11"}).simplified();
    }
    // Sends input through xdotool, which the X server hands to the game in order, and waits until the
    // screen changes, so that a long burst does not outrun the game. What the input was to do is
    // checked by the waits that follow it.
    bool act(const QStringList &xdotool)
    {
        const QImage before = screenshot();
        run("xdotool", xdotool);
        return QTest::qWaitFor([&] { return screenshot() != before; }, 15000);
    }
    // Starts a program and waits for its window to paint: its window id, or empty.
    QString launch(QProcess &game, const QString &program, const QStringList &args = {})
    {
        game.setProcessEnvironment(env);
        game.setProcessChannelMode(QProcess::ForwardedErrorChannel); // a sanitizer's report shows here
        game.start(program, args);
        // Of the windows of its name (a message over it takes the name too), the one painted as the game.
        QString id;
        const auto painted = [&] {
            for (const QString &window : run("xdotool", {"search", "--name", caption}).split(u'\n', Qt::SkipEmptyParts))
                if (surface(window).y() >= 0)
                    return !(id = window).isEmpty();
            return false;
        };
        return QTest::qWaitFor(painted, 60000) ? id : QString();
    }
    // The top-left corner of the window's surface, below the menu bar: the first row of the window's
    // own colour down its left edge; y is -1 until the window has painted.
    QPoint surface(const QString &id)
    {
        const QRect c = client(id);
        const QImage shot = screenshot();
        for (int y = c.y(); y < c.y() + 120; ++y)
            if (shot.pixelColor(c.x() + 2, y) == QColor(192, 192, 0))
                return QPoint(c.x(), y);
        return QPoint(c.x(), -1);
    }
    // Where the game lays out its parts for the window as it now is, in twips from the surface's corner.
    geometry::Layout layout(const QString &id, QPoint surface)
    {
        const QRect c = client(id);
        return geometry::arrange(
            {twips::fromPixels(frame(id).size()), twips::fromPixels(QSize(c.width(), c.bottom() + 1 - surface.y()))},
            16);
    }
    // The top of the olive bar behind the music control and the buttons: the first row below the
    // board, down the window's middle, that is not the window's own colour.
    int barTop(const QString &id)
    {
        const QRect c = client(id);
        const QImage shot = screenshot();
        for (int y = c.top() + c.height() * 3 / 4; y < c.bottom(); ++y)
            if (shot.pixelColor(c.center().x(), y) != QColor(192, 192, 0))
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
    QStringList openWith;       // the menu entry's command, which file managers run with a file for %f
    QString photo;              // the player's photo
    // A whole game by mouse or keys; none; or a file opened with the game from a file manager.
    enum Play { None, Mouse, Keys, OpenPhoto, OpenText };

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
        QCOMPARE(run("desktop-file-validate", {usr + "share/applications/vareriz.desktop"}), 0);
        QFile entry(usr + "share/applications/vareriz.desktop");
        QVERIFY(entry.open(QIODevice::ReadOnly));
        for (const QString &line : QString::fromUtf8(entry.readAll()).split(u'\n'))
            if (line.startsWith("Exec="))
                openWith = line.mid(5).split(u' ');
        QCOMPARE(run("appstreamcli", {"validate", "--no-net", usr + "share/metainfo/" + id + ".metainfo.xml"}), 0);
        QCOMPARE(run("lintian", {"--fail-on", "error", deb}), 0);
        // A command-line program's manners: --version and --help answer, anything else is refused.
        installed = usr + "games/vareriz";
        QCOMPARE(run(installed, {"--version"}), 0);
        QCOMPARE(run(installed, {"--help"}), 0);
        QCOMPARE(run(installed, {"--fullscreen"}), 2);
        const QString data = work.filePath("data");
        QVERIFY(QDir().mkpath(data + "/vareriz/Colours"));
        photo = data + "/vareriz/Colours/grid.jpg";
        QVERIFY(gridPicture(800, 800, 4).save(photo, "JPEG", 95));
        QFile broken(data + "/vareriz/Colours/broken.jpg"); // five bytes are no picture: the game says so
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("\xff\xd8\xff\xe0\0", 5) == 5);
        player.insert("XDG_DATA_HOME", data);
        QFile notes(work.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a photo") > 0);
    }

    void theWindowFitsTheFreeAreaAndAWholeGameIsPlayed_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("panel");
        QTest::addColumn<bool>("fromPackage"); // or from the build tree, with the library beside it
        QTest::addColumn<int>("game");         // a whole game, resized to 800 x 600 half-way
        QTest::addColumn<QString>("scale");    // the toolkit's scale, as QT_SCALE_FACTOR gives it
        QTest::addColumn<QString>("session");  // the window manager, and the desktop's language
        QTest::newRow("1024 x 768, a whole game by keys") << QSize(1024, 768) << 0 << true << int(Keys) << "1"
                                                          << "openbox";
        QTest::newRow("1366 x 768, under xfwm4, in German") << QSize(1366, 768) << 0 << false << int(Mouse) << "1"
                                                            << "xfwm4 de";
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 0 << false << int(Mouse) << "1"
                                     << "openbox";
        QTest::newRow("2560 x 1080") << QSize(2560, 1080) << 0 << false << int(Mouse) << "1"
                                     << "openbox";
        QTest::newRow("1024 x 768, a panel of 40 at the bottom")
            << QSize(1024, 768) << 40 << true << int(OpenPhoto) << "1"
            << "openbox";
        QTest::newRow("1920 x 1080 at scale 1.25") << QSize(1920, 1080) << 0 << false << int(OpenText) << "1.25"
                                                   << "openbox";
        QTest::newRow("2560 x 1440 at scale 1.5") << QSize(2560, 1440) << 0 << false << int(None) << "1.5"
                                                  << "openbox";
    }

    void theWindowFitsTheFreeAreaAndAWholeGameIsPlayed()
    {
        QFETCH(QSize, screen);
        QFETCH(int, panel);
        QFETCH(bool, fromPackage);
        QFETCH(int, game);
        QFETCH(QString, scale);
        QFETCH(QString, session);
        Desktop desktop(screen, panel, session.section(u' ', 0, 0));
        const QRect area = desktop.workArea();
        QCOMPARE(area, QRect(QPoint(0, 0), screen - QSize(0, panel)));
        desktop.env.insert(player);
        desktop.env.insert("QT_SCALE_FACTOR", scale);
        desktop.env.insert("LANGUAGE", session.section(u' ', 1));
        QProcess process;
        QStringList args = game < OpenPhoto ? QStringList() : openWith.mid(1);
        args.replaceInStrings("%f", game == OpenPhoto ? photo : work.filePath("notes.txt"));
        const QString id = desktop.launch(process, fromPackage ? installed : QStringLiteral(GAME), args);
        QVERIFY2(!id.isEmpty(), "the window did not appear");
        // A photo opened with the game is dealt at once, its name and folder's under the preview (read in
        // the order of the screen's lines); another file is named in a message, and the game goes on.
        const QString opened = game == OpenPhoto ? "(?=.*\\bgrid\\b).*\\bColours\\W+(\\w+\\W+)?Library"
                                                 : "notes\\.txt\\W+cannot be used\\W+it is not a";
        QVERIFY(game < OpenPhoto ||
                QTest::qWaitFor([&] { return desktop.read().contains(QRegularExpression(opened)); }, 60000));
        QVERIFY(game != OpenText || desktop.act({"key", "Return"}));
        // The whole window, frame included, fills the free area: to the pixel at a whole scale, to within
        // rounding at a fractional one.
        const int slack = scale == u"1" ? 0 : 3;
        const auto fills = [&] {
            const QRect f = desktop.frame(id);
            return area.contains(f) && f.width() >= area.width() - slack && f.height() >= area.height() - slack;
        };
        // So at start and after minimise and restore, with the button row where it was.
        QVERIFY(QTest::qWaitFor(fills, 15000));
        QVERIFY(desktop.frame(id).height() > desktop.client(id).height()); // really framed
        const int bar = desktop.barTop(id);
        QVERIFY(bar > 0 && bar < area.bottom());
        desktop.run("xdotool", {"windowminimize", id});
        QVERIFY(QTest::qWaitFor([&] { return desktop.minimised(id); }, 15000));
        desktop.run("xdotool", {"windowactivate", id});
        QVERIFY(QTest::qWaitFor([&] { return !desktop.minimised(id) && fills() && desktop.barTop(id) == bar; }, 15000));
        if (game == None || game >= OpenPhoto) {
            // A window the player moves partly off the screen and then makes smaller keeps that size and
            // place, once the game has taken the resize (the About text it then shows says so).
            const auto size = [&](QSize to) {
                desktop.run("xdotool", {"windowsize", id, QString::number(to.width()), QString::number(to.height())});
                return QTest::qWaitFor([&] { return desktop.client(id).size() == to; }, 15000);
            };
            QVERIFY(size(area.size() * 3 / 4));
            desktop.run("xdotool", {"windowmove", id, QString::number(area.width() * 3 / 4), "40"});
            QVERIFY(QTest::qWaitFor([&] { return desktop.client(id).x() > area.width() / 2; }, 15000));
            const QRect moved(desktop.client(id).topLeft(), area.size() * 3 / 4 - QSize(20, 10));
            QVERIFY(size(moved.size()) && desktop.act({"key", "alt+a"}));
            QCOMPARE(desktop.client(id), moved);
            // A window made larger than the screen from outside is fitted back into the free area.
            desktop.run("xdotool", {"windowsize", id, "3000", "3000"});
            QVERIFY(QTest::qWaitFor(fills, 15000));
            // The window manager's close request ends the game.
            desktop.run("wmctrl", {"-i", "-c", id});
            QVERIFY(process.state() == QProcess::NotRunning || process.waitForFinished(30000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), 0);
            return;
        }
        QPoint s = desktop.surface(id);
        geometry::Layout l = desktop.layout(id, s);
        const auto px = [&](QPointF twipsFromSurface) {
            return s + QPoint(twips::toPixels(twipsFromSurface.x()), twips::toPixels(twipsFromSurface.y()));
        };
        const auto click = [&](QPoint at) {
            return desktop.act({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
        };
        // Options, N° of tesserae, 16 with the keyboard; Images; then with the keyboard too the
        // player's own category, Colours, just below Cities, and its picture.
        QVERIFY(click(s + QPoint(90, -10)));
        for (const char *key : {"Down", "Right", "Return"})
            QVERIFY(desktop.act({"key", QString::fromLatin1(key)}));
        QVERIFY(click(s + QPoint(30, -10)));
        // Its first photo cannot be used: the message says so on the screen, in the desktop's language,
        // and Return closes it; then its good one.
        for (const char *key : {"Down", "Return", "Tab", "Home", "Return"})
            QVERIFY(desktop.act({"key", QString::fromLatin1(key)}));
        const QString cannot = session.endsWith("de") ? "kann nicht verwendet werden" : "cannot be used";
        const QString why = session.endsWith("de") ? "es ist kein Bild" : "it is not a picture";
        QVERIFY(QTest::qWaitFor(
            [&] { return desktop.read().contains(QRegularExpression("broken\\.jpg\\W+" + cannot + "\\W+" + why)); },
            60000));
        QVERIFY(desktop.act({"key", "Return"}));
        QVERIFY(QTest::qWaitFor([&] { return !desktop.read().contains(cannot); }, 60000));
        for (const char *key : {"End", "Return"})
            QVERIFY(desktop.act({"key", QString::fromLatin1(key)}));
        // The centre of tray place or board cell p, one tile's side apart.
        const auto centre = [&](QPointF origin, int p) {
            const int step = twips::toPixels(l.Z);
            const rules::Corner c = rules::corner(p, 4, origin.x(), origin.y(), Integer(step * 15));
            return px(QPointF(c.left, c.top)) + QPoint(step / 2, step / 2);
        };
        QImage shot;
        // The preview in its white frame, and both captions, wholly on the screen: the picture's name
        // on pale yellow, the library's on olive.
        const auto shows = [&](const QRectF &r, QColor colour) {
            const QRect on(px(r.topLeft()) + QPoint(3, 3), px(r.bottomRight()) - QPoint(4, 4));
            return desktop.client(id).contains(on) && shot.pixelColor(on.topLeft()) == colour &&
                   shot.pixelColor(on.bottomRight()) == colour && shot.pixelColor(on.topRight()) == colour &&
                   shot.pixelColor(on.bottomLeft()) == colour;
        };
        // Each tray place shows a piece of its own, known by its colour.
        QList<int> dealt;
        QVERIFY(QTest::qWaitFor(
            [&] {
                shot = desktop.screenshot();
                dealt.clear();
                for (int p = 1; p <= 16; ++p)
                    for (int k = 1; k <= 16; ++k)
                        if (similar(shot.pixelColor(centre(l.tray, p)), pieceColour(k, 4), 20))
                            dealt << k;
                return QSet<int>(dealt.begin(), dealt.end()).size() == 16 && dealt.size() == 16;
            },
            15000));
        const geometry::Panel caption = geometry::panel(l, QSizeF(9000, 9000)); // the picture itself, 600 pixels
        QVERIFY(shows(caption.title, QColor(255, 255, 192)) && shows(caption.library, QColor(128, 128, 0)));
        QVERIFY(similar(shot.pixelColor(px(caption.preview.topLeft()) + QPoint(4, 4)), pieceColour(1, 4)) &&
                similar(shot.pixelColor(px(caption.preview.bottomRight()) - QPoint(4, 4)), pieceColour(16, 4)) &&
                shot.pixelColor(px(caption.frame.topLeft()) + QPoint(1, 1)) == Qt::white);
        // Carry each to its cell; half-way, the window is made 800 x 600.
        for (int p = 1; p <= 16; ++p) {
            if (p == 9) {
                // xfwm4 takes a window as large as the free area for maximised.
                desktop.run("wmctrl", {"-i", "-r", id, "-b", "remove,maximized_vert,maximized_horz"});
                QVERIFY(desktop.act({"windowsize", id, "800", "600"}));
                QVERIFY(QTest::qWaitFor([&] { return desktop.client(id).size() == QSize(800, 600); }, 15000));
                s = desktop.surface(id);
                l = desktop.layout(id, s);
                // Every tile where it was: on its cell, or in its tray place; the frame around the cells.
                QVERIFY(QTest::qWaitFor(
                    [&] {
                        shot = desktop.screenshot();
                        for (int q = 1; q <= 16; ++q)
                            if (!similar(shot.pixelColor(q < 9 ? centre(l.cells, dealt[q - 1]) : centre(l.tray, q)),
                                         pieceColour(dealt[q - 1], 4), 20))
                                return false;
                        return shows(l.board.adjusted(0, 0, 0, 600 - l.board.height()), Qt::white) &&
                               shows(l.board.adjusted(l.board.width() - 600, 0, 0, 0), Qt::white);
                    },
                    15000));
            }
            if (game == Keys) {
                // The keyboard is on the tray's first tile; lifted, it goes to the board's first free
                // cell, and from there by the arrows to the tile's own.
                QStringList keys{"key", "Return"};
                int at = 1;
                while (dealt.indexOf(at) >= 0 && dealt.indexOf(at) < p - 1)
                    ++at;
                while (at != dealt[p - 1]) {
                    const int row = (at - 1) / 4, to = (dealt[p - 1] - 1) / 4;
                    keys << (row < to ? "Down" : row > to ? "Up" : at < dealt[p - 1] ? "Right" : "Left");
                    at += row < to ? 4 : row > to ? -4 : at < dealt[p - 1] ? 1 : -1;
                }
                QVERIFY(desktop.act(keys << "Return"));
                continue;
            }
            const QPoint from = centre(l.tray, p), to = centre(l.cells, dealt[p - 1]);
            QStringList drag{"mousemove", QString::number(from.x()), QString::number(from.y()), "mousedown", "1"};
            for (int i = 1; i <= 6; ++i)
                drag << "mousemove" << QString::number((from + (to - from) * i / 6).x())
                     << QString::number((from + (to - from) * i / 6).y());
            QVERIFY(desktop.act(drag << "mouseup"
                                     << "1"));
        }
        // "Congratulations" on its banner, level with the board; the picture whole.
        QVERIFY(QTest::qWaitFor(
            [&] {
                return (shot = desktop.screenshot()).pixelColor(px(l.banner.topLeft()) + QPoint(4, 4)) ==
                       QColor(255, 255, 128);
            },
            15000));
        for (int k = 1; k <= 16; ++k) {
            const QColor c = shot.pixelColor(centre(l.cells, k));
            QVERIFY2(std::abs(c.hue() - pieceColour(k, 4).hue()) < 12 || c.saturation() < 40,
                     qPrintable(QString::number(k)));
        }
        QVERIFY(click(px(l.quit.center())));
        QVERIFY(process.state() == QProcess::NotRunning || process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"
