// The real program under a real X server: the window laid out on the screen, a whole game played
// with a real mouse and keyboard, and closing by the window system's close request.
#include "support.h"

#include <QProcess>
#include <xcb/xcb.h>

class TestEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void aWholeGameIsPlayedAndTheWindowClosesOnRequest();

private:
    QString run(const QString &program, const QStringList &args);
    QImage screenshot();
    // Runs an xdotool command and waits until the screen shows its effect.
    void act(const QStringList &xdotool);
    int surfaceTop(const QImage &shot);
    bool sendCloseRequest(const QString &windowId);

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
        (void)QTest::qWaitFor(
            [&] {
                return xvfb_.state() != QProcess::Running ||
                       QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n));
            },
            10000);
        if (xvfb_.state() == QProcess::Running)
            display_ = QStringLiteral(":%1").arg(n);
    }
    QVERIFY2(!display_.isEmpty(), "no X server could be started");
}

void TestEndToEnd::cleanupTestCase()
{
    xvfb_.terminate();
    xvfb_.waitForFinished(3000);
}

QString TestEndToEnd::run(const QString &program, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.remove(QStringLiteral("QT_QPA_PLATFORM"));
    e.insert(QStringLiteral("DISPLAY"), display_);
    p.setProcessEnvironment(e);
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QImage TestEndToEnd::screenshot()
{
    const QString path = work_.filePath(QStringLiteral("shot.png"));
    run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

void TestEndToEnd::act(const QStringList &xdotool)
{
    const QImage before = screenshot();
    run(QStringLiteral("xdotool"), xdotool);
    QVERIFY2(QTest::qWaitFor([&] { return screenshot() != before; }, 15000), qPrintable(xdotool.join(u' ')));
}

int TestEndToEnd::surfaceTop(const QImage &shot)
{
    for (int y = 0; y < std::min(shot.height(), 120); ++y)
        if (shot.pixelColor(200, y) == QColor(Qt::white) && shot.pixelColor(200, y + 100) == QColor(Qt::white))
            return y - 31; // the frame stands 0.03 x 1024 = 31 pixels into the surface
    return -1;
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

void TestEndToEnd::aWholeGameIsPlayedAndTheWindowClosesOnRequest()
{
    // A program folder of its own: a copy of the program, its frames, and one picture of 16 colours.
    QTemporaryDir dir;
    ProgramFolder folder;
    for (int i = 1; i <= 6; ++i)
        QFile::copy(folder.file(QStringLiteral("frame%1.gif").arg(i)),
                    dir.filePath(QStringLiteral("frame%1.gif").arg(i)));
    QDir(dir.path()).mkpath(QStringLiteral("Colours/model"));
    gridPicture(800, 800, 4).save(dir.filePath(QStringLiteral("Colours/grid.jpg")), "JPEG", 95);
    QFile::copy(QStringLiteral(GAME), dir.filePath(QStringLiteral("vareriz")));

    QProcess game;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.remove(QStringLiteral("QT_QPA_PLATFORM"));
    e.insert(QStringLiteral("DISPLAY"), display_);
    game.setProcessEnvironment(e);
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel); // a sanitizer's report shows here
    game.start(dir.filePath(QStringLiteral("vareriz")), {});
    QString id;
    QVERIFY(QTest::qWaitFor(
        [&] {
            return !(id = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--name"), caption}))
                        .isEmpty();
        },
        30000));
    id = id.split(u'\n').first();
    int top = -1;
    QVERIFY2(QTest::qWaitFor([&] { return (top = surfaceTop(screenshot())) > 0; }, 30000),
             "the window was never painted");
    QVERIFY2(
        run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), id}).contains(QStringLiteral("1024x768")),
        "not the screen's size");
    QImage shot = screenshot();
    // The white board frame, 435 pixels square, 31 pixels into the surface.
    QCOMPARE(shot.pixelColor(30, top + 200), QColor(192, 192, 0));
    QCOMPARE(shot.pixelColor(31, top + 200), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(465, top + 465), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(200, top + 466), QColor(192, 192, 0));

    // Options, N° of tesserae, 16; then Images, the category, the picture.
    const auto at = [](int x, int y) {
        return QStringList{QStringLiteral("mousemove"), QString::number(x), QString::number(y), QStringLiteral("click"),
                           QStringLiteral("1")};
    };
    act(at(90, top / 2));
    for (const char *key : {"Down", "Right", "Return"})
        act({QStringLiteral("key"), QString::fromLatin1(key)});
    act(at(30, top / 2));
    act(at(60, top + 8));
    act(at(60, top + 184 + 8));
    // Find each tile in the tray by its colour, and carry it to its cell.
    const int origin = 38, step = 106; // 1.224 x 465 twips, and the tile's side
    for (int k = 1; k <= 16; ++k) {
        QPoint sum;
        int n = 0;
        QVERIFY(QTest::qWaitFor(
            [&] {
                shot = screenshot();
                sum = QPoint();
                n = 0;
                for (int y = top; y < top + 480; y += 3)
                    for (int x = 570; x < 1024; x += 3)
                        if (similar(shot.pixelColor(x, y), pieceColour(k, 4), 20))
                            sum += QPoint(x, y), ++n;
                return n > 100;
            },
            15000));
        const QPoint from = sum / n;
        const QPoint to(origin + (k - 1) % 4 * step + step / 2, top + origin + (k - 1) / 4 * step + step / 2);
        QStringList drag{QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
                         QStringLiteral("mousedown"), QStringLiteral("1")};
        for (int i = 1; i <= 6; ++i) {
            const QPoint p = from + (to - from) * i / 6;
            drag << QStringLiteral("mousemove") << QString::number(p.x()) << QString::number(p.y());
        }
        act(drag << QStringLiteral("mouseup") << QStringLiteral("1"));
    }
    // "Congratulations": the banner at 0.545 x 1024 across, level with the frame; the picture whole.
    QVERIFY(QTest::qWaitFor([&] { return (shot = screenshot()).pixelColor(565, top + 35) == QColor(255, 255, 128); },
                            15000));
    for (int k = 1; k <= 16; ++k) {
        const QColor c =
            shot.pixelColor(origin + (k - 1) % 4 * step + step / 2, top + origin + (k - 1) / 4 * step + step / 2);
        QVERIFY2(std::abs(c.hue() - pieceColour(k, 4).hue()) < 12 || c.saturation() < 40,
                 qPrintable(QString::number(k)));
    }
    QVERIFY(sendCloseRequest(id));
    QVERIFY(game.state() == QProcess::NotRunning || game.waitForFinished(30000));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);
}

QTEST_MAIN(TestEndToEnd)
#include "test_end_to_end.moc"
