// The window: start-up state, layout, the About text and the clicks that hide it, a start-up without
// its frame pictures; and the waiting animation: frames flashed one at a time on a 6 x 6 grid over the
// board, the blinking strip, the end of the run when a picture is chosen, a new run after New Image.
#include "platform/controls/label.h"
#include "platform/controls/twips.h"
#include "platform/controls/vb_timer.h"
#include "platform/sound/mmcontrol.h"
#include "support.h"
#include "window/language.h"

#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextLayout>

namespace {

// Looks at the frames and the strip every few milliseconds while the event loop runs.
struct Watch : QObject {
    explicit Watch(Form1 &form) : f(form)
    {
        connect(&timer, &QTimer::timeout, this, &Watch::look);
        timer.start(3);
    }
    void look()
    {
        int shown = 0;
        for (int i = 1; i <= 6; ++i)
            if (f.Picture4.exists(i) && f.Picture4[i]->isVisible()) {
                ++shown;
                places.insert(f.Picture4[i]->pos());
                frames.insert(i);
            }
        twoAtOnce |= shown > 1;
        strip.insert(f.Label8->background().rgb());
    }
    Form1 &f;
    QTimer timer;
    QSet<QPoint> places;
    QSet<int> frames;
    QSet<QRgb> strip;
    bool twoAtOnce = false;
};

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    // At start-up and again after "New Image": the designed window, with every default back.
    void startUpAndNewImageShowTheDesignedWindowWithItsDefaults()
    {
        ProgramFolder folder;
        folder.addPicture("Zoo", "x.jpg", gridPicture(400, 400, 4));
        folder.addSongs();
        Game game(folder);
        Form1 &f = *game;
        QCOMPARE(f.frameGeometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(f.windowTitle(), QStringLiteral("Rizerizo  -  Vareriz"));
        QStringList captions;
        for (QAction *a : f.menuBar()->actions())
            captions << a->text();
        captions << f.ntessere->title() << f.nobeep->title() << f.fix->title() << f.canzoni[7]->text();
        captions << f.CMGame->text() << f.CMNew->text() << f.CMquit->text() << f.Text2->toPlainText().left(37);
        QCOMPARE(captions, (QStringList{"&Images", "&Options", "&Music", "&About", "&N\u00B0 of tesserae", "&Help beep",
                                        "&Block on right positions", "M01oejjd", "New Image", "Reshuffle", "Quit",
                                        "Vareriz ver 2.0\n--------------------\n"}));
        // Labels lie beneath every other control (children run from the bottom of the drawing order up).
        const QObjectList children = f.surface->children();
        const auto firstOther = std::find_if(children.begin(), children.end(),
                                             [](QObject *o) { return o->isWidgetType() && !qobject_cast<Label *>(o); });
        QVERIFY(std::none_of(firstOther, children.end(), [](QObject *o) { return qobject_cast<Label *>(o); }));
        for (int round = 0; round < 2; ++round) {
            // 100 tiles of 15360 x 0.04124 = 633 twips (42 pixels), both play options on, sequential
            // music from the first song, the waiting animation running.
            QVERIFY(f.tessere[3]->isChecked() && !f.tessere[1]->isChecked() && !f.tessere[2]->isChecked());
            QVERIFY(f.yes->isChecked() && !f.no->isChecked() && f.fixyes->isChecked() && !f.fixno->isChecked());
            QVERIFY(f.all->isChecked() && f.canzoni[1]->isChecked() && !f.canzoni[9]->isChecked());
            QVERIFY(game.media->calls.contains("open inds_01.mid"));
            QCOMPARE(f.Picture2[0]->size(), QSize(42, 42));
            QCOMPARE(f.Picture1[0]->size(), QSize(42, 42));
            QCOMPARE(f.Picture2.ubound() + f.Picture1.ubound(), 0);
            QVERIFY(!f.CMNew->isEnabled() && !f.CMGame->isEnabled() && f.CMquit->isEnabled() && f.Timer1->Enabled());
            for (QWidget *w :
                 QList<QWidget *>{f.Label6, f.Label7, f.Label9, f.LBLcongrat, f.Text2, f.Picture3, f.List1, f.File1})
                QVERIFY(w->isHidden());
            QVERIFY(f.Label1->isVisible() && f.Label8->isVisible() && f.Label5->isVisible() && f.MMC1->isVisible());
            for (int i = 1; i <= 6; ++i)
                QVERIFY(f.Picture4.exists(i));
            QCOMPARE(game.listed(f.List1), QStringList{"Zoo"});
            QVERIFY(game.messages.isEmpty());
            if (round == 1)
                break;
            // A game played with every option changed, then "New Image".
            f.tessere[2]->trigger();
            f.no->trigger();
            f.fixno->trigger();
            f.canzoni[9]->trigger();
            game.choose("Zoo", "x.jpg");
            QCOMPARE(f.Picture2.ubound(), 25);
            for (int k = 1; k <= 25; ++k)
                game.dropOnCell(k, k);
            f.about->trigger();
            game.media->calls.clear();
            QTest::mouseClick(f.CMGame, Qt::LeftButton);
        }
    }

    // The whole window follows its size, mid-game too: every tile keeps its cell or its tray place, a
    // tile being carried is given back, and the preview and its whole captions stay above the button row.
    void theWindowIsLaidOutForEachSizeMidGame()
    {
        ProgramFolder folder;
        folder.addPicture("Summer in the Alps", "IMG_20240812_143512.jpg", gridPicture(400, 400, 4));
        Game game(folder);
        Form1 &f = *game;
        auto px = [](double t) { return twips::toPixels(t); };
        // The strip stands against the frame's right edge, as tall as the frame, black with white text.
        QCOMPARE(f.Label8->geometry(), QRect(f.Label1->geometry().right() + 1, f.Label1->y(), 105, f.Label1->height()));
        QCOMPARE(f.Label8->background(), QColor(0, 0, 0));
        QVERIFY(f.Label8->text().startsWith(QString(100, u' ') + QStringLiteral("       Select the")));
        f.tessere[1]->trigger();
        game.choose("Summer in the Alps", "IMG_20240812_143512.jpg");
        game.dropOnCell(3, 3);
        game.dropOnCell(5, 9);
        const QMap<int, int> board = tilesOnCells(f);
        PictureBox *carried = f.Picture2[f.trayOrder()[1]];
        QTest::mousePress(carried, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(carried, QPoint(-300, 40));
        for (QSize size : {QSize(1366, 768), QSize(800, 600), QSize(640, 480), QSize(1024, 768)}) {
            f.resize(size);
            if (size.width() == 1366) // the tile being carried is dropped, after the resize
                QTest::mouseRelease(carried, Qt::LeftButton, {}, QPoint(-300, 40));
            const int step = f.Picture2[1]->width();
            QCOMPARE(step, px(std::min(size.width(), size.height() * 4 / 3) * 15 * 0.4124 / 4)); // a 4:3 board
            QCOMPARE(tilesOnCells(f), board);
            for (int p = 1; p <= 16; ++p) {
                const QPoint grid((p - 1) % 4 * step, (p - 1) / 4 * step);
                QVERIFY(f.Label1->geometry().contains(QRect(f.Picture1[p]->pos(), QSize(step, step))));
                QCOMPARE(f.Picture1[p]->pos(), f.Picture1[1]->pos() + grid);
                const int k = f.trayOrder()[size_t(p)];
                if (!board.values().contains(k))
                    QCOMPARE(f.Picture2[k]->pos(), f.Picture2[f.trayOrder()[1]]->pos() + grid);
            }
            QVERIFY(f.Picture2[f.trayOrder()[1]]->x() > f.Label8->geometry().right());
            for (QWidget *w : QList<QWidget *>{f.Picture3, f.Label6, f.Label7, f.Label9, f.Picture2[f.trayOrder()[16]]})
                QVERIFY(f.surface->rect().contains(w->geometry()) && !w->geometry().intersects(f.Label5->geometry()));
            for (Label *caption : {f.Label7, f.Label9}) // whole, if smaller
                QVERIFY(caption->fontMetrics().horizontalAdvance(caption->text()) < caption->contentsRect().width());
        }
        // 1024 x 768: the design's own figures, and the picture's name at its full size again.
        QCOMPARE(f.Label1->geometry(), QRect(px(460.8), px(460.8), px(6528), px(6528)));
        QCOMPARE(f.Label7->font().pointSizeF(), 12.0);
        QCOMPARE(f.CMquit->geometry(), QRect(px(11962.88), px(10042.4448), px(2214.4), px(360)));
        QCOMPARE(f.Text2->pos(), QPoint(px(15360 * 0.105), 0));
    }

    // Clicks around the window hide the About text, or close the lists, or both.
    void aboutTogglesAndClicksAroundHideItOrCloseTheLists()
    {
        ProgramFolder folder;
        folder.addPicture("Zoo", "x.jpg", gridPicture(100, 100, 4));
        Game game(folder);
        Form1 &f = *game;
        f.about->trigger();
        QVERIFY(f.Text2->isVisible());
        f.about->trigger();
        QVERIFY(f.Text2->isHidden());
        struct Click {
            const char *what;
            std::function<void()> click;
            bool hidesAbout, closesLists;
        };
        const std::vector<Click> clicks = {
            {"the text itself", [&] { QTest::mouseClick(f.Text2->viewport(), Qt::LeftButton); }, true, false},
            {"the olive bar", [&] { QTest::mouseClick(f.Label5, Qt::LeftButton, {}, QPoint(2, 2)); }, true, false},
            {"the instruction strip", [&] { QTest::mouseClick(f.Label8, Qt::LeftButton); }, true, true},
            {"the board frame", [&] { QTest::mouseClick(f.Label1, Qt::LeftButton, {}, QPoint(300, 300)); }, true, true},
            {"the banner", [&] { f.LBLcongrat->show(), QTest::mouseClick(f.LBLcongrat, Qt::LeftButton); }, true, false},
            {"the library label", [&] { f.Label9->show(), QTest::mouseClick(f.Label9, Qt::LeftButton); }, true, false},
            {"the options menu", [&] { emit f.options->aboutToShow(); }, true, false},
            {"the music menu", [&] { emit f.music->aboutToShow(); }, true, false},
            {"the background, right button",
             [&] { QTest::mousePress(f.surface, Qt::RightButton, {}, QPoint(1000, 600)); }, true, false},
            {"the background, middle button",
             [&] { QTest::mousePress(f.surface, Qt::MiddleButton, {}, QPoint(900, 600)); }, false, true},
            {"&Images", [&] { f.files->trigger(); }, false, true},
        };
        for (const Click &c : clicks) {
            if (c.closesLists) {
                f.files->trigger();
                QVERIFY(game.clickListItem(f.List1, "Zoo"));
            }
            if (c.hidesAbout)
                f.about->trigger();
            QVERIFY2(f.Text2->isVisible() == c.hidesAbout && f.File1->isVisible() == c.closesLists, c.what);
            c.click();
            QVERIFY2(f.Text2->isHidden() && f.List1->isHidden() && f.File1->isHidden(), c.what);
        }
        // The banner's click hides only the About text, not itself.
        QVERIFY(f.LBLcongrat->isVisible());
    }

    void aFrameThatCannotBeReadStopsStartUpWithAMessage_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QByteArray>("bytes"); // empty: the file is removed
        QTest::newRow("missing") << "frame4.gif" << QByteArray();
        QTest::newRow("damaged") << "frame2.gif" << QByteArray("GIF89a but nothing more");
    }

    void aFrameThatCannotBeReadStopsStartUpWithAMessage()
    {
        QFETCH(QString, frame);
        QFETCH(QByteArray, bytes);
        ProgramFolder folder;
        QVERIFY(QFile::remove(folder.file(frame)));
        if (!bytes.isEmpty())
            folder.addFile(frame, bytes);
        // A frame stored in another case is still found, and read.
        QVERIFY(QFile::rename(folder.file(QStringLiteral("frame1.gif")), folder.file(QStringLiteral("FRAME1.GIF"))));
        Game game(folder);
        QVERIFY(!game->startedWell());
        QCOMPARE(game.messages.size(), 1);
        QVERIFY2(game.messages.first().contains(frame), qPrintable(game.messages.first()));
        QVERIFY(!game->isVisible());
    }

    void framesFlashOneAtATimeOnTheGridAndTheStripBlinks()
    {
        ProgramFolder folder;
        Game game(folder);
        const double w = game->W();
        QSet<QPoint> grid{QPoint(twips::toPixels(w * 0.105), twips::toPixels(w * 0.105))}; // where start-up puts them
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 6; ++r)
                grid.insert(
                    QPoint(twips::toPixels(w * 0.04 + w * 0.065 * c), twips::toPixels(w * 0.04 + w * 0.065 * r)));
        Watch seen(*game);
        QTRY_VERIFY_WITH_TIMEOUT(seen.frames.size() == 6 && seen.places.size() >= 3, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(seen.strip.contains(QColor(128, 128, 0).rgb()) && seen.strip.contains(qRgb(0, 0, 0)),
                                 20000);
        QVERIFY(!seen.twoAtOnce);
        for (const QPoint &p : seen.places)
            QVERIFY2(grid.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }

    void aRunGoesOnWithTheListsOpenEndsWithAChoiceAndNewImageStartsAnother()
    {
        ProgramFolder folder;
        folder.addPicture(QStringLiteral("Zoo"), QStringLiteral("x.jpg"), gridPicture(300, 300, 4));
        Game game(folder);
        Form1 &f = *game;
        Watch seen(f);
        QTRY_VERIFY(!seen.frames.isEmpty());
        f.files->trigger();
        QVERIFY(game.clickListItem(f.List1, QStringLiteral("Zoo")));
        QVERIFY(!f.Timer1->Enabled());
        // The frames that opening the list hid come back: the run goes on.
        seen.frames.clear();
        QTRY_VERIFY(seen.frames.size() >= 2);
        QVERIFY(game.clickListItem(f.File1, QStringLiteral("x.jpg")));
        for (int i = 1; i <= 6; ++i)
            QVERIFY(f.Picture4[i]->isHidden());
        // The run is over: nothing is left to show a frame again or blink the strip.
        QVERIFY(!f.animationRunning());
        QTest::mouseClick(f.CMGame, Qt::LeftButton);
        QTRY_VERIFY(!seen.frames.isEmpty());
    }

    void eachLanguageIsWholeAndFits_data()
    {
        QTest::addColumn<QString>("languages"); // the desktop's, most wanted first; then the translation taken
        for (const char *row : {"C:", "en-GB,de:", "zh-TW,ja:ja", "it:it", "de:de", "fr:fr", "es:es", "pt-BR:pt_BR",
                                "pl:pl", "ru:ru", "zh-CN:zh_CN"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    // Every sentence translated with its placeholders, access keys apart in every menu, and every
    // caption, button and menu whole, in letters the screen has, on the smallest window and the design's.
    void eachLanguageIsWholeAndFits()
    {
        QFETCH(QString, languages);
        const QString name = languages.section(u':', 1);
        const language::Translations t = language::find(languages.section(u':', 0, 0).split(u','));
        QCOMPARE(t.name, name);
        QFile ts(QStringLiteral(TRANSLATIONS "/vareriz_%1.ts").arg(name));
        const QString text = name.isEmpty() || !ts.open(QIODevice::ReadOnly) ? QString() : ts.readAll();
        static const QRegularExpression message(R"(<source>(.*?)</source>\s*<translation([^>]*)>(.*?)</translation>)",
                                                QRegularExpression::DotMatchesEverythingOption),
            placeholder(R"(%\d)");
        // The same placeholders, each once, in whatever order the language puts them.
        const auto placeholders = [](const QString &sentence) {
            QStringList found;
            for (const auto &p : placeholder.globalMatch(sentence))
                found << p.captured();
            found.sort();
            return found;
        };
        int held = 0;
        for (const auto &m : message.globalMatch(text))
            held += m.captured(2).isEmpty() && !m.captured(3).isEmpty() &&
                    placeholders(m.captured(1)) == placeholders(m.captured(3));
        QCOMPARE(held, int(text.count(u"<message>")));
        QVERIFY(name.isEmpty() ? held == 0 : held > 50 && t.toolkit);
        for (QTranslator *translator : {t.game.get(), t.toolkit.get()})
            if (translator)
                QCoreApplication::installTranslator(translator);
        ProgramFolder folder;
        folder.addPicture("Zoo", "x.jpg", gridPicture(400, 400, 4));
        Game game(folder);
        Form1 &f = *game;
        QCOMPARE(f.CMquit->text() == u"Quit" && f.files->text() == u"&Images", name.isEmpty());
        for (QWidget *menu : QList<QWidget *>{f.menuBar(), f.options, f.ntessere, f.nobeep, f.music}) {
            QSet<QString> keys;
            for (QAction *a : menu->actions()) {
                const QString key = a->text().mid(a->text().indexOf(u'&') + 1, 1).toLower();
                QVERIFY2(!a->text().contains(u'&') || !keys.contains(key), qPrintable(a->text()));
                keys.insert(key);
            }
        }
        const auto whole = [](const QWidget *w, const QString &text, bool wrapped) {
            const QRect r = w->fontMetrics().boundingRect(
                w->contentsRect(), Qt::TextShowMnemonic | Qt::AlignCenter | (wrapped ? Qt::TextWordWrap : 0), text);
            QTextLayout layout(text, w->font());
            layout.beginLayout();
            layout.createLine().setLineWidth(1e6);
            layout.endLayout();
            for (const QGlyphRun &run : layout.glyphRuns())
                if (run.glyphIndexes().contains(0))
                    return false; // a box where a letter should be
            return w->contentsRect().contains(r);
        };
        f.tessere[1]->trigger();
        game.choose("Zoo", "x.jpg");
        f.LBLcongrat->show();
        for (QSize size : {QSize(640, 480), QSize(1024, 768)}) {
            f.resize(size);
            QVERIFY(whole(f.Label8, f.Label8->text(), true));
            for (QAction *a : f.menuBar()->actions())
                QVERIFY2(f.menuBar()->rect().contains(f.menuBar()->actionGeometry(a)) &&
                             whole(f.menuBar(), a->text(), false),
                         qPrintable(a->text()));
            for (QWidget *w : QList<QWidget *>{f.Label7, f.Label9, f.LBLcongrat, f.CMGame, f.CMNew, f.CMquit})
                QVERIFY2(whole(w, w->property("text").toString(), false), qPrintable(w->property("text").toString()));
        }
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
