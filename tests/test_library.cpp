// The picture library: the lists opened, a picture chosen, the player's own pictures. (What the lists
// hold is tested with the hostile entries; the clicks that close them with the window's.)
#include "platform/label.h"
#include "platform/vb_timer.h"
#include "support.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

class TestLibrary : public QObject
{
    Q_OBJECT
private slots:
    void theListsOpenOverTheAnimationAndOnlyWithoutAPicture()
    {
        ProgramFolder folder;
        folder.addPicture("Zoo", "x.jpg", gridPicture(100, 100, 4));
        Game game(folder);
        Form1 &f = *game;
        // The keyboard is the game's, never Quit's: Return and Space do not end the game at start-up,
        // once the lists are closed by a click or by Escape, or after a choice.
        const auto keysKeepTheGame = [&] {
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
                QTest::keyClick(f.focusWidget(), key);
            return f.isVisible();
        };
        QVERIFY(keysKeepTheGame());
        f.files->trigger();
        QVERIFY(f.List1->isVisible());
        for (int i = 1; i <= 6; ++i)
            QVERIFY(f.Picture4[i]->isHidden());
        QTest::mouseClick(f.Label1, Qt::LeftButton);
        QVERIFY(f.List1->isHidden() && keysKeepTheGame());
        // (The keyboard's way through the lists is taken in the end-to-end game.)
        f.files->trigger();
        QTest::keyClick(f.List1, Qt::Key_Escape);
        QVERIFY(f.List1->isHidden() && keysKeepTheGame());
        game.choose(QStringLiteral("Zoo"), QStringLiteral("x.jpg"));
        QVERIFY(keysKeepTheGame() && f.scelta_file);
        // While a picture is on the board the lists do not open.
        f.files->trigger();
        QVERIFY(f.List1->isHidden());
    }

    void choosingAPictureBuildsTheBoard()
    {
        ProgramFolder folder;
        folder.addPicture("Landscapes", "Sea view.jpg", gridPicture(640, 480, 10));
        // The model is found whatever the case of its folder and name on disk.
        QVERIFY(QDir(folder.file("Landscapes")).rename("model", "MODEL"));
        QVERIFY(
            QFile::rename(folder.file("Landscapes/MODEL/Sea view.mod"), folder.file("Landscapes/MODEL/SEA VIEW.Mod")));
        Game game(folder);
        Form1 &f = *game;
        game.choose("Landscapes", "Sea view.jpg");
        QCOMPARE(f.Label9->text(), "Landscapes Library");
        QCOMPARE(f.Label7->text(), "Sea view");
        QVERIFY(f.CMNew->isEnabled() && f.CMGame->isEnabled());
        QVERIFY(f.List1->isHidden() && f.File1->isHidden());
        QCOMPARE(f.Picture2.ubound(), 100);
        QCOMPARE(f.Picture1.ubound(), 100);
        QVERIFY(f.Picture3->isVisible() && f.Label6->isVisible() && f.Label7->isVisible() && f.Label9->isVisible());
        // The preview shows the model file, at its own size.
        QCOMPARE(f.Picture3->size(), QSize(120, 90));
        QVERIFY(similar(f.Picture3->picture().toImage().pixelColor(3, 3), pieceColour(1, 10)));
        for (int i = 1; i <= 6; ++i)
            QVERIFY(f.Picture4[i]->isHidden());
        QVERIFY(game.messages.isEmpty());
        // Every caption reads against its ground: a contrast of 4.5:1, or 3:1 for large text.
        f.LBLcongrat->show();
        const auto luminance = [](QColor c) {
            const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
        };
        for (Label *l : f.surface->findChildren<Label *>()) {
            if (l->text().trimmed().isEmpty())
                continue;
            const double text = luminance(l->palette().color(QPalette::WindowText));
            const bool large = l->font().pointSizeF() >= 18 || (l->font().pointSizeF() >= 14 && l->font().bold());
            // The strip blinks olive and black.
            for (QColor ground : {l->background(), l == f.Label8 ? QColor(128, 128, 0) : l->background()}) {
                const double a = std::max(text, luminance(ground)) + 0.05, b = std::min(text, luminance(ground)) + 0.05;
                QVERIFY2(a / b >= (large ? 3 : 4.5), qPrintable(l->text().trimmed().left(20)));
            }
        }
    }

    // The player's own folder adds categories, and pictures to the library's categories of the same
    // name in any case, all in one order; photos named .jpeg as well as .jpg.
    void thePlayersOwnPicturesJoinTheLibrary()
    {
        ProgramFolder library, own;
        library.addPicture("Zoo", "lion.jpg", gridPicture(100, 100, 4));
        own.addPicture("zoo", "cat.jpg", gridPicture(100, 100, 4));
        own.addPicture("zoo", "lion.jpg", gridPicture(100, 100, 4));
        own.addPicture("ZOO", "ape.jpg", gridPicture(100, 100, 4));
        own.addPicture("Mine", "me.JPEG", gridPicture(100, 100, 4));
        Game game(library, true, Game::Recorded, own.path());
        QCOMPARE(game.listed(game->List1), (QStringList{"Mine", "Zoo"}));
        game->files->trigger();
        QVERIFY(game.clickListItem(game->List1, "Zoo"));
        QCOMPARE(game.listed(game->File1), (QStringList{"ape.jpg", "cat.jpg", "lion.jpg"}));
        game.choose("Mine", "me.JPEG");
        QVERIFY(game->scelta_file);
        QCOMPARE(game->Label7->text(), "me");
        QCOMPARE(game->Picture3->size(), QSize(90, 90)); // its model, me.mod
    }
};

QTEST_MAIN(TestLibrary)
#include "test_library.moc"
