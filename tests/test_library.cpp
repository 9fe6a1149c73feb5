// The picture library: the lists opened, a picture chosen, the player's own pictures. (What the lists
// hold is tested with the hostile entries; the clicks that close them with the window's.)
#include "platform/controls/label.h"
#include "platform/controls/vb_timer.h"
#include "support.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
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

    // A photo dropped from a file manager, pasted, opened with Ctrl+O or given by Open With is dealt as
    // if it had been chosen from the lists, while no picture is chosen; during a game nothing happens.
    void aPhotoFromAnywhereIsDealtWhileNoPictureIsChosen_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("dealt"); // the picture's caption and its library's; or the message
        QTest::newRow("a photo dropped") << "drop"
                                         << "Sea view/Holidays Library";
        QTest::newRow("a web page and a folder dropped") << "drop others"
                                                         << "";
        QTest::newRow("a PNG pasted") << "paste"
                                      << "Pasted picture/Clipboard Library";
        QTest::newRow("a photo opened with Ctrl+O") << "open"
                                                    << "Sea view/Holidays Library";
        QTest::newRow("a text file opened with the game")
            << "notes"
            << "The picture \"notes.txt\" cannot be used: it is not a picture.";
    }

    void aPhotoFromAnywhereIsDealtWhileNoPictureIsChosen()
    {
        QFETCH(QString, way);
        QFETCH(QString, dealt);
        ProgramFolder folder;
        const QImage picture = gridPicture(400, 300, 4);
        folder.addFile("Holidays/Sea view.JPG", jpegBytes(picture));
        folder.addFile("notes.txt", "a list of things to take");
        Game game(folder);
        QString filter; // the file dialog's, once it has opened
        QTimer answer;  // the player choosing the photo in the file dialog
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                filter = dialog->selectedNameFilter();
                dialog->findChild<QLineEdit *>("fileNameEdit")->setText(folder.file("Holidays/Sea view.JPG"));
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            }
        });
        answer.start(10);
        bool accepted = false; // the drop, by the pointer
        const auto bring = [&] {
            QMimeData data;
            data.setUrls(way == u"drop" ? QList<QUrl>{QUrl::fromLocalFile(folder.file("Holidays/Sea view.JPG"))}
                                        : QList<QUrl>{QUrl("https://example.org/sea.jpg"),
                                                      QUrl::fromLocalFile(folder.file("Holidays"))});
            QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
            QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
            accepted = way.startsWith(u"drop") && QApplication::sendEvent(game->Label1, &enter) && enter.isAccepted();
            if (accepted && QApplication::sendEvent(game->Label1, &drop)) // dealt once the drop is over
                (void)QTest::qWaitFor([&] { return game->scelta_file; }, 15000);
            auto *copied = new QMimeData;
            copied->setData("image/png", jpegBytes(picture, -1, "PNG"));
            QGuiApplication::clipboard()->setMimeData(copied);
            if (way == u"paste" || way == u"open")
                QTest::keyClick(game.form.get(), way == u"paste" ? Qt::Key_V : Qt::Key_O, Qt::ControlModifier);
            else if (way == u"notes")
                game->openPhoto(folder.file("notes.txt"));
            return QStringList{game->Label7->text() + "/" + game->Label9->text(), game.messages.value(0)};
        };
        QVERIFY(bring().contains(dealt) || dealt.isEmpty());
        QCOMPARE(game->scelta_file, dealt.contains(u'/'));
        QCOMPARE(accepted, way == u"drop");
        QCOMPARE(game.messages.size(), int(dealt.startsWith(u'T')));
        if (way == u"open")
            QVERIFY2(filter.contains("Photos (*.jpg *.JPG *.jpeg") && filter.contains("*.avif *.AVIF"),
                     qPrintable(filter));
        if (!game->scelta_file)
            return;
        QCOMPARE(game->Picture2.ubound(), 100);
        QVERIFY(similar(game->Picture3->picture().toImage().pixelColor(3, 3), pieceColour(1, 4)));
        // During the game: the pointer refuses the drop, and nothing is dealt again, asked or opened.
        const auto order = game->trayOrder();
        filter.clear();
        bring();
        QVERIFY(game->trayOrder() == order && !accepted && game.messages.isEmpty() && filter.isEmpty());
    }
};

QTEST_MAIN(TestLibrary)
#include "test_library.moc"
