// The real program under a real X server: the window, its layout on the screen, a whole game played
// with a real mouse, closing by the window system's close request, and the installed program.
#include "support.h"

#include <QProcess>
#include <xcb/xcb.h>

class TestEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void theWindowOpensLaidOutAndClosesOnRequest();
    void aWholeGameIsPlayedToCongratulations();
    void theInstalledGameFindsItsLibrary();

private:
    QProcessEnvironment env() const;
    QString run(const QString &program, const QStringList &args);
    QImage screenshot();
    // Starts a program and waits for the game's window; its id, or empty.
    QString startGame(QProcess &game, const QString &program);
    // The top of the window's surface, below the menu bar: found from the white board frame.
    int surfaceTop(const QImage &shot);
    void drag(QPoint from, QPoint to);
    bool sendCloseRequest(const QString &windowId);
    QString makeProgramFolder(QTemporaryDir &dir);

    QProcess xvfb_;
    QString display_;
    QTemporaryDir work_;
};

static const QString caption = QStringLiteral("Rizerizo  -  Vareriz");

void TestEndToEnd::initTestCase()
{
    for (int n = 91; n < 140 && display_.isEmpty(); ++n) {
        if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        xvfb_.start(QStringLiteral("Xvfb"),
                    {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                     QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        xvfb_.waitForStarted();
        for (int i = 0; i < 50 && xvfb_.state() == QProcess::Running; ++i) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
                display_ = QStringLiteral(":%1").arg(n);
                break;
            }
            QTest::qWait(100);
        }
        if (display_.isEmpty()) {
            xvfb_.kill();
            xvfb_.waitForFinished();
        }
    }
    QVERIFY2(!display_.isEmpty(), "no X server could be started");
}

void TestEndToEnd::cleanupTestCase()
{
    xvfb_.terminate();
    xvfb_.waitForFinished(3000);
}

QProcessEnvironment TestEndToEnd::env() const
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.remove(QStringLiteral("QT_QPA_PLATFORM"));
    e.remove(QStringLiteral("WAYLAND_DISPLAY"));
    e.insert(QStringLiteral("DISPLAY"), display_);
    return e;
}

QString TestEndToEnd::run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(env());
    p.start(program, args);
    p.waitForFinished(20000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QImage TestEndToEnd::screenshot()
{
    const QString path = work_.filePath(QStringLiteral("shot.png"));
    run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

QString TestEndToEnd::startGame(QProcess &game, const QString &program)
{
    game.setProcessEnvironment(env());
    // Whatever the game says on its way out (a sanitizer's report) shows with the test's output.
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(program, {});
    for (int i = 0; i < 100; ++i) {
        const QString id =
            run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--name"), caption});
        if (!id.isEmpty()) {
            // Ready when it has painted: the white board frame shows on the screen.
            for (int j = 0; j < 100 && surfaceTop(screenshot()) < 0; ++j)
                QTest::qWait(100);
            QTest::qWait(300);
            return id.split(u'\n').first();
        }
        QTest::qWait(100);
    }
    return QString();
}

int TestEndToEnd::surfaceTop(const QImage &shot)
{
    for (int y = 0; y < std::min(shot.height(), 120); ++y)
        if (shot.pixelColor(200, y) == QColor(Qt::white) && shot.pixelColor(200, y + 100) == QColor(Qt::white))
            return y - 31; // the frame stands 0.03 x 1024 = 31 pixels into the surface
    return -1;
}

void TestEndToEnd::drag(QPoint from, QPoint to)
{
    auto xdo = [&](const QStringList &a) { run(QStringLiteral("xdotool"), a); };
    xdo({QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y())});
    xdo({QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int i = 1; i <= 6; ++i) {
        const QPoint at = from + (to - from) * i / 6;
        xdo({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
        QTest::qWait(15);
    }
    xdo({QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(60);
}

// The window system's close request (WM_DELETE_WINDOW), as a window manager's close box sends it.
bool TestEndToEnd::sendCloseRequest(const QString &windowId)
{
    xcb_connection_t *c = xcb_connect(display_.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(c))
        return false;
    auto atom = [c](const char *name) {
        xcb_intern_atom_reply_t *r =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : 0;
        free(r);
        return a;
    };
    xcb_client_message_event_t ev{};
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = windowId.toUInt();
    ev.type = atom("WM_PROTOCOLS");
    ev.data.data32[0] = atom("WM_DELETE_WINDOW");
    ev.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, ev.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&ev));
    // A round trip before leaving: the server drops what a departing client sent but had not yet
    // carried out.
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    xcb_disconnect(c);
    return true;
}

// A program folder of its own: a copy of the program, its frames, and one picture of 16 colours.
QString TestEndToEnd::makeProgramFolder(QTemporaryDir &dir)
{
    ProgramFolder folder;
    for (int i = 1; i <= 6; ++i)
        QFile::copy(folder.file(QStringLiteral("frame%1.gif").arg(i)),
                    dir.filePath(QStringLiteral("frame%1.gif").arg(i)));
    QDir(dir.path()).mkpath(QStringLiteral("Colours/model"));
    gridPicture(800, 800, 4).save(dir.filePath(QStringLiteral("Colours/grid.jpg")), "JPEG", 95);
    const QString program = dir.filePath(QStringLiteral("vareriz"));
    QFile::copy(QStringLiteral(GAME), program);
    return program;
}

void TestEndToEnd::theWindowOpensLaidOutAndClosesOnRequest()
{
    QTemporaryDir dir;
    const QString program = makeProgramFolder(dir);
    QProcess game;
    const QString id = startGame(game, program);
    QVERIFY2(!id.isEmpty(), "the window did not appear");
    QCOMPARE(run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id}), caption);
    const QString geometry = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), id});
    QVERIFY2(geometry.contains(QStringLiteral("1024x768")), qPrintable(geometry));
    const QImage shot = screenshot();
    const int top = surfaceTop(shot);
    QVERIFY(top > 0 && top < 60);
    // The white board frame, 435 pixels square, 31 pixels into the surface.
    QCOMPARE(shot.pixelColor(30, top + 200), QColor(192, 192, 0));
    QCOMPARE(shot.pixelColor(31, top + 200), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(465, top + 465), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(200, top + 466), QColor(192, 192, 0));
    QVERIFY(sendCloseRequest(id));
    const bool ended = game.state() == QProcess::NotRunning || game.waitForFinished(20000);
    if (!ended)
        qWarning(
            "sent to %s; windows now: %s", qPrintable(id),
            qPrintable(run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--name"), caption})));
    QVERIFY(ended);
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);
}

void TestEndToEnd::aWholeGameIsPlayedToCongratulations()
{
    QTemporaryDir dir;
    const QString program = makeProgramFolder(dir);
    QProcess game;
    const QString id = startGame(game, program);
    QVERIFY(!id.isEmpty());
    const int top = surfaceTop(screenshot());
    auto click = [&](int x, int y) {
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(x), QString::number(y),
                                        QStringLiteral("click"), QStringLiteral("1")});
        QTest::qWait(250);
    };
    auto key = [&](const char *k) {
        run(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(k)});
        QTest::qWait(200);
    };
    // Options, N° of tesserae, 16.
    click(90, top / 2);
    key("Down");
    key("Right");
    key("Return");
    // Images, the category, the picture.
    click(30, top / 2);
    click(60, top + 8);
    click(60, top + 184 + 8);
    QTest::qWait(500);
    QImage shot = screenshot();
    // Find each tile in the tray by its colour, and carry it to its cell.
    const int origin = 38, step = 106; // 1.224 x 465 twips, and the tile's side
    for (int k = 1; k <= 16; ++k) {
        const QColor want = pieceColour(k, 4);
        QPoint sum;
        int n = 0;
        for (int y = top; y < top + 480; y += 3)
            for (int x = 570; x < 1024; x += 3) {
                const QColor c = shot.pixelColor(x, y);
                if (similar(c, want, 20)) {
                    sum += QPoint(x, y);
                    ++n;
                }
            }
        QVERIFY2(n > 100, qPrintable(QStringLiteral("tile %1 not found in the tray").arg(k)));
        const QPoint from = sum / n;
        const QPoint to(origin + (k - 1) % 4 * step + step / 2, top + origin + (k - 1) / 4 * step + step / 2);
        drag(from, to);
    }
    QTest::qWait(300);
    shot = screenshot();
    // "Congratulations": the banner at 0.545 x 1024 across, level with the frame.
    QCOMPARE(shot.pixelColor(565, top + 35), QColor(255, 255, 128));
    // And the picture is whole: each cell shows its own colour.
    for (int k = 1; k <= 16; ++k) {
        const QColor c =
            shot.pixelColor(origin + (k - 1) % 4 * step + step / 2, top + origin + (k - 1) / 4 * step + step / 2);
        QVERIFY2(std::abs(c.hue() - pieceColour(k, 4).hue()) < 12 || c.saturation() < 40,
                 qPrintable(QString::number(k)));
    }
    click(871, top + 668 + 10); // Quit
    QVERIFY(game.state() == QProcess::NotRunning || game.waitForFinished(20000));
    QCOMPARE(game.exitCode(), 0);
}

void TestEndToEnd::theInstalledGameFindsItsLibrary()
{
    QTemporaryDir prefix;
    QCOMPARE(QProcess::execute(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(BUILD_DIR),
                                                         QStringLiteral("--prefix"), prefix.path()}),
             0);
    const QString link = prefix.filePath(QStringLiteral("bin/vareriz"));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo::exists(prefix.filePath(QStringLiteral("share/applications/vareriz.desktop"))));
    QVERIFY(!QImage(prefix.filePath(QStringLiteral("share/icons/hicolor/32x32/apps/vareriz.png"))).isNull());
    QCOMPARE(QProcess::execute(QStringLiteral("desktop-file-validate"),
                               {prefix.filePath(QStringLiteral("share/applications/vareriz.desktop"))}),
             0);
    QProcess game;
    const QString id = startGame(game, link);
    QVERIFY(!id.isEmpty());
    const int top = surfaceTop(screenshot());
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("30"), QString::number(top / 2),
                                    QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(400);
    // The category list shows the sample categories: dark text in its first rows.
    const QImage shot = screenshot();
    int dark = 0;
    for (int y = top + 2; y < top + 60; ++y)
        for (int x = 2; x < 150; ++x)
            dark += shot.pixelColor(x, y).value() < 90;
    QVERIFY2(dark > 30, qPrintable(QString::number(dark)));
    QVERIFY(sendCloseRequest(id));
    QVERIFY(game.state() == QProcess::NotRunning || game.waitForFinished(20000));
    QCOMPARE(game.exitCode(), 0);
}

QTEST_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"
