// The board's rules on their own: where a dropped tile lands, where grid places lie, when a tile
// stands right, and the deal; and the window's layout for windows of every shape.
#include "board/rules.h"
#include "platform/controls/twips.h"
#include "window/geometry.h"

#include <QtTest>
#include <algorithm>

// A screen 1024 pixels wide: the frame at 460.8 twips, 6528 wide, 16 tiles 1584 twips apart.
constexpr double L = 460.8, R = 460.8 + 6528;
constexpr Integer step = 1584;

class TestRules : public QObject
{
    Q_OBJECT
private slots:
    void aDropLandsOnTheCellUnderItsCorner_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("cell"); // 0: the tile goes back
        QTest::newRow("on the frame's corner") << L << L << 1;
        QTest::newRow("just left of the frame") << L - 0.1 << 1000.0 << 0;
        QTest::newRow("just above the frame") << 1000.0 << L - 0.1 << 0;
        QTest::newRow("third column") << L + 2 * step + 1 << L + 10 << 3;
        QTest::newRow("a hair short of a step") << L + step - 0.01 << L + step << 5;
        QTest::newRow("last cell") << L + 3 * step + 5 << L + 3 * step + 5 << 16;
        QTest::newRow("right edge: beyond the last column") << R << L << 0;
        QTest::newRow("bottom edge: below the last row") << L << R << 0;
        QTest::newRow("past the right edge") << R + 1 << L << 0;
        QTest::newRow("far away") << -50000.0 << 90000.0 << 0;
    }

    void aDropLandsOnTheCellUnderItsCorner()
    {
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(int, cell);
        QCOMPARE(rules::landing(left, top, L, L, R - L, step, 4).cell, cell);
    }

    // Every cell of every grid: a tile dropped just inside a cell's corner lands on that cell, and
    // stands right there if it is that cell's own tile, and only then.
    void everyCellIsFoundFromItsCorner()
    {
        for (int side : {4, 5, 10}) {
            const Integer s = Integer(std::lround(15360 * 0.04124 * 10 / side));
            for (int p = 1; p <= side * side; ++p) {
                const rules::Corner c = rules::corner(p, side, L, L, s);
                const rules::Landing l = rules::landing(c.left + 1, c.top + 1, L, L, R - L, s, side);
                QCOMPARE(l.cell, p);
                QVERIFY(rules::standsRight(p, l.DX, l.DY, side));
                QVERIFY(!rules::standsRight(p % (side * side) + 1, l.DX, l.DY, side));
            }
        }
        QCOMPARE(rules::corner(6, 5, 0, 0, 990).top, 990.0); // place 6 of 25 opens the second row
        // On a very large screen the products pass 16 bits and must not wrap.
        QCOMPARE(rules::corner(100, 10, 0, 0, 30000).left, 270000.0);
    }

    void theDealIsAPermutationWhateverTheDraws_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<double>>("draws"); // used in turn, round and round, a little shifted each round
        QTest::newRow("16, in order") << 16 << QList<double>{0.0, 0.07, 0.13, 0.19, 0.26, 0.32, 0.38, 0.44};
        QTest::newRow("16, many repeats") << 16 << QList<double>{0.99, 0.99, 0.5, 0.0, 0.99, 0.31, 0.77};
        QTest::newRow("25, just below 1") << 25 << QList<double>{0.9999999, 0.13, 0.52, 0.26, 0.71};
        QTest::newRow("100") << 100 << QList<double>{0.377, 0.911, 0.0005, 0.64, 0.25, 0.818, 0.123};
    }

    void theDealIsAPermutationWhateverTheDraws()
    {
        QFETCH(int, count);
        QFETCH(QList<double>, draws);
        std::array<Integer, 101> pool{}, order{};
        order.fill(-7);
        qsizetype next = 0;
        rules::shuffle(Integer(count), pool, order, [&] {
            const double d = draws[next % draws.size()] + 0.0031 * double(next / draws.size());
            ++next;
            return d - std::floor(d);
        });
        QList<int> seen(order.begin() + 1, order.begin() + 1 + count);
        std::sort(seen.begin(), seen.end());
        for (int p = 1; p <= count; ++p)
            QCOMPARE(seen[p - 1], p);
        // Places beyond the count, and place 0, are left alone.
        QVERIFY(std::all_of(order.begin() + 1 + count, order.end(), [](Integer v) { return v == -7; }));
        QCOMPARE(order[0], Integer(-7));
    }

    void theLayoutFitsEveryWindow_data()
    {
        QTest::addColumn<QSize>("window"); // outer size in pixels, a menu bar of 25 and no frame
        for (QSize s : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080), QSize(2560, 1080), QSize(3840, 2160),
                        QSize(1280, 1024), QSize(1080, 1920), QSize(800, 600)})
            QTest::addRow("%dx%d", s.width(), s.height()) << s;
    }

    void theLayoutFitsEveryWindow()
    {
        QFETCH(QSize, window);
        const QRectF surface(0, 0, window.width() * 15.0, (window.height() - 25) * 15.0);
        for (int side : {4, 5, 10}) {
            const geometry::Layout l = geometry::arrange({QSizeF(window) * 15, surface.size()}, side * side);
            // The grids as the window lays them out: whole pixels apart.
            const double step = twips::fromPixels(twips::toPixels(l.Z)) * side;
            const QRectF tray(l.tray, QSizeF(step, step)), cells(l.cells, QSizeF(step, step));
            const geometry::Panel p = geometry::panel(l, QSizeF(40000, 40000));
            const QList<QRectF> apart = {l.board, tray, p.frame, p.title, p.library, l.bar};
            for (const QRectF &r : apart + QList<QRectF>{l.strip,
                                                         l.banner,
                                                         p.preview,
                                                         l.music,
                                                         l.newImage,
                                                         l.quit,
                                                         l.categories,
                                                         l.pictures,
                                                         {l.frames(5, 5), QSizeF(495, 495)}})
                QVERIFY(surface.contains(r));
            for (qsizetype i = 0; i < apart.size(); ++i)
                for (qsizetype j = i + 1; j < apart.size(); ++j)
                    QVERIFY2(!apart[i].intersects(apart[j]), qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
            const geometry::Panel upright = geometry::panel(l, QSizeF(3000, 6000));
            QVERIFY(l.board.contains(cells) && upright.frame.contains(upright.preview));
            QVERIFY(surface.contains(upright.title) && !upright.title.intersects(upright.frame));
            QVERIFY(l.bar.contains(l.music) && l.bar.contains(l.newImage) && l.bar.contains(l.quit));
            QVERIFY(!l.strip.intersects(tray) && l.strip.left() == l.board.right());
            // At a fractional scale, under a menu bar of 25, the grids and the tiles fall on whole pixels
            // of the screen, and stay where they belong.
            for (double scale : {1.25, 1.5, 1.75}) {
                const geometry::Layout at =
                    geometry::arrange({QSizeF(window) * 15, surface.size(), scale, QPoint(0, 25)}, side * side);
                const auto whole = [&](double t, int at) {
                    const double px = (twips::toPixels(t) + at) * scale;
                    return px == std::round(px);
                };
                QVERIFY(whole(at.Z, 0) && whole(at.cells.x(), 0) && whole(at.cells.y(), 25) && whole(at.tray.x(), 0));
                const double grid = twips::fromPixels(twips::toPixels(at.Z)) * side;
                QVERIFY(at.board.contains(QRectF(at.cells, QSizeF(grid, grid))) && at.tray.y() == at.cells.y() &&
                        surface.contains(QRectF(at.tray, QSizeF(grid, grid))) && at.Z > l.Z * 0.9);
            }
            // Windows of every width: cells whole pixels apart stay inside the board.
            for (int w = 640; window == QSize(800, 600) && w <= 1600; ++w) {
                const geometry::Layout at = geometry::arrange({QSizeF(w, w) * 15, QSizeF(w, w) * 15}, side * side);
                const double grid = twips::fromPixels(twips::toPixels(at.Z)) * side;
                QVERIFY2(at.board.contains(QRectF(at.cells, QSizeF(grid, grid))), qPrintable(QString::number(w)));
            }
            if (window != QSize(1024, 768))
                continue;
            // The design's figures, exactly.
            const auto same = [](const QRectF &a, const QRectF &b) {
                return (a.topLeft() - b.topLeft()).manhattanLength() + std::abs(a.width() - b.width()) +
                           std::abs(a.height() - b.height()) <
                       1e-6;
            };
            QVERIFY(same(l.board, {460.8, 460.8, 6528, 6528}) && same(l.banner, {8371.2, 460.8, 6528, 652.8}));
            QVERIFY(same(l.music, {890.88, 10022.4, 6643.2, 360}) && same(l.quit, {11962.88, 10042.4448, 2214.4, 360}));
            QVERIFY(std::abs(l.newImage.left() - 7534.08) < 1e-6 && std::abs(l.reshuffle.left() - 9748.48) < 1e-6);
            QCOMPARE(l.Z, Integer(std::lround(15360 * 0.4124 / side)));
            QVERIFY(same(p.preview, {8401.92, 7641.6, 2042, 2042})); // a large picture shown at the design's size
        }
    }

    void theWindowFitsTheFreeAreaAtEveryScale_data()
    {
        QTest::addColumn<QRect>("free"); // in the screen's own pixels, as are the frame's margins
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<double>("scale");
        const QMargins openbox(1, 21, 1, 5);
        QTest::newRow("1024 x 768, a panel of 40, scale 1") << QRect(0, 0, 1024, 728) << openbox << 1.0;
        QTest::newRow("1920 x 1080, scale 1.25") << QRect(0, 0, 1920, 1080) << openbox << 1.25;
        QTest::newRow("2560 x 1440, scale 1.5") << QRect(0, 0, 2560, 1440) << openbox << 1.5;
        QTest::newRow("2560 x 1440, a top panel of 27, scale 1.5") << QRect(0, 27, 2560, 1413) << openbox << 1.5;
        QTest::newRow("1366 x 768, scale 1.75") << QRect(0, 0, 1366, 768) << QMargins(3, 29, 3, 3) << 1.75;
        QTest::newRow("3840 x 2160, scale 2") << QRect(0, 0, 3840, 2160) << QMargins(2, 42, 2, 10) << 2.0;
    }

    // The toolkit rounds every logical figure from the screen's pixels and back: the window, frame
    // included, lies within the free area, and fills it to within a pixel or two; at a whole scale, exactly.
    void theWindowFitsTheFreeAreaAtEveryScale()
    {
        QFETCH(QRect, free);
        QFETCH(QMargins, frame);
        QFETCH(double, scale);
        const auto to = [](const QRect &r, double f) {
            return QRect(qRound(r.x() * f), qRound(r.y() * f), qRound(r.width() * f), qRound(r.height() * f));
        };
        const QRect sides = to(QRect(frame.left(), frame.top(), frame.right(), frame.bottom()), 1 / scale);
        const QMargins logical(sides.x(), sides.y(), sides.width(), sides.height());
        const QRect shown = to(geometry::fitted(to(free, 1 / scale), logical, scale), scale) + frame;
        QVERIFY(free.contains(shown) && shown.width() >= free.width() - 3 && shown.height() >= free.height() - 3);
        QVERIFY(scale != 1.0 || shown == free);
    }

    void aWindowIsFittedOnlyWhenLargerThanTheFreeArea_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("kept"); // within openbox's free area of a 1920 x 1080 screen
        QTest::newRow("moved partly past the right edge") << QRect(1500, 300, 980, 690) << QRect(1500, 300, 980, 690);
        QTest::newRow("moved partly past the left edge") << QRect(-400, 200, 980, 690) << QRect(-400, 200, 980, 690);
        QTest::newRow("the screen's size, at start") << QRect(0, 0, 1920, 1080) << QRect(1, 21, 1918, 1054);
        QTest::newRow("made 3000 x 3000") << QRect(10, 10, 3000, 3000) << QRect(1, 21, 1918, 1054);
        QTest::newRow("too wide only") << QRect(-50, 300, 2000, 600) << QRect(1, 300, 1918, 600);
        QTest::newRow("on a monitor that is gone") << QRect(2500, 300, 980, 690) << QRect(939, 300, 980, 690);
    }

    void aWindowIsFittedOnlyWhenLargerThanTheFreeArea()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, kept);
        QCOMPARE(geometry::keptWithin(window, QRect(1, 21, 1918, 1054)), kept);
    }
};

QTEST_MAIN(TestRules)
#include "test_rules.moc"
