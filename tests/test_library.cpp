// The picture library: categories and pictures listed, a picture chosen (or refused), New Image.
#include "platform/file_list.h"
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
    void categoriesAreTheFoldersButMusicAndPuzzle();
    void imagesOpensAndClosesTheLists();
    void aCategoryListsItsPicturesSortedWithoutRegardToCase();
    void aCategoryWithoutPicturesHidesThePictureList();
    void aCategoryRemovedAfterTheScanShowsNoPictures();
    void closingClicksHideBothLists();
    void choosingAPictureBuildsTheBoard();
    void choosingWithAnotherTileCountCreatesThatMany();
    void aHugeModelIsScaledDownToThePreview();
    void newImageRestoresEveryStartUpDefault();
};

static QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void TestLibrary::categoriesAreTheFoldersButMusicAndPuzzle()
{
    ProgramFolder folder;
    for (const char *name : {"Music", "Puzzle", "music", "PUZZLE", "Zoo", "animals", ".hidden", "Sea side"})
        folder.addFolder(QString::fromLatin1(name));
    folder.addFile(QStringLiteral("notes.txt"), "a file, never a category");
    Game game(folder);
    QCOMPARE(items(game->List1), (QStringList{"animals", "music", "PUZZLE", "Sea side", "Zoo"}));
    QCOMPARE(game->library_root, folder.path() + u'/');
}

void TestLibrary::imagesOpensAndClosesTheLists()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Zoo"), QStringLiteral("lion.jpg"), gridPicture(200, 200, 4));
    Game game(folder);
    Form1 &f = *game;
    f.files->trigger();
    QVERIFY(f.List1->isVisible());
    for (int i = 1; i <= 6; ++i)
        QVERIFY(f.Picture4[i]->isHidden());
    // The list lies above the frames, which the animation shows again on its next step.
    const QObjectList order = f.surface->children();
    QVERIFY(order.indexOf(f.List1) > order.indexOf(f.Picture4[6]));
    f.files->trigger();
    QVERIFY(f.List1->isHidden() && f.File1->isHidden());
    game.choose(QStringLiteral("Zoo"), QStringLiteral("lion.jpg"));
    QVERIFY(f.scelta_file);
    f.files->trigger();
    QVERIFY(f.List1->isHidden());
}

void TestLibrary::aCategoryListsItsPicturesSortedWithoutRegardToCase()
{
    ProgramFolder folder;
    const QImage img = gridPicture(100, 100, 4);
    folder.addPicture(QStringLiteral("Zoo"), QStringLiteral("B.JPG"), img);
    folder.addPicture(QStringLiteral("Zoo"), QStringLiteral("a.jpg"), img);
    folder.addPicture(QStringLiteral("Zoo"), QStringLiteral(".secret.jpg"), img);
    folder.addFile(QStringLiteral("Zoo/c.png"), "not listed");
    folder.addFolder(QStringLiteral("Zoo/d.jpg"));
    Game game(folder);
    game->files->trigger();
    QVERIFY(game.clickListItem(game->List1, QStringLiteral("Zoo")));
    QVERIFY(game->File1->isVisible());
    QCOMPARE(items(game->File1), (QStringList{"a.jpg", "B.JPG"}));
    QCOMPARE(game->category_name, QStringLiteral("Zoo"));
    QVERIFY(!game->Timer1->Enabled());
}

void TestLibrary::aCategoryWithoutPicturesHidesThePictureList()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Full"), QStringLiteral("x.jpg"), gridPicture(100, 100, 4));
    folder.addFolder(QStringLiteral("Empty"));
    Game game(folder);
    game->files->trigger();
    QVERIFY(game.clickListItem(game->List1, QStringLiteral("Full")));
    QVERIFY(game->File1->isVisible());
    QVERIFY(game.clickListItem(game->List1, QStringLiteral("Empty")));
    QVERIFY(game->File1->isHidden());
    QVERIFY(game->List1->isVisible());
}

void TestLibrary::aCategoryRemovedAfterTheScanShowsNoPictures()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Gone"), QStringLiteral("x.jpg"), gridPicture(100, 100, 4));
    Game game(folder);
    QVERIFY(QDir(folder.file(QStringLiteral("Gone"))).removeRecursively());
    game->files->trigger();
    QVERIFY(game.clickListItem(game->List1, QStringLiteral("Gone")));
    QVERIFY(game->File1->isHidden());
    QVERIFY(game.messages.isEmpty());
}

void TestLibrary::closingClicksHideBothLists()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Zoo"), QStringLiteral("x.jpg"), gridPicture(100, 100, 4));
    Game game(folder);
    Form1 &f = *game;
    const std::vector<std::function<void()>> closers = {
        [&] { QTest::mouseClick(f.Label1, Qt::LeftButton, {}, QPoint(300, 300)); },
        [&] { QTest::mouseClick(f.Label8, Qt::LeftButton); },
        [&] { QTest::mousePress(f.surface, Qt::MiddleButton, {}, QPoint(900, 600)); },
    };
    for (const auto &close : closers) {
        if (f.List1->isHidden())
            f.files->trigger();
        QVERIFY(game.clickListItem(f.List1, QStringLiteral("Zoo")));
        QVERIFY(f.File1->isVisible());
        close();
        QVERIFY(f.List1->isHidden() && f.File1->isHidden());
    }
}

void TestLibrary::choosingAPictureBuildsTheBoard()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Landscapes"), QStringLiteral("Sea view.jpg"), gridPicture(640, 480, 10));
    Game game(folder);
    Form1 &f = *game;
    game.choose(QStringLiteral("Landscapes"), QStringLiteral("Sea view.jpg"));
    QCOMPARE(f.nome, folder.path() + QStringLiteral("/Landscapes/Sea view.jpg"));
    QCOMPARE(f.model, folder.path() + QStringLiteral("/Landscapes/model/Sea view.mod"));
    QCOMPARE(f.Label9->text(), QStringLiteral("Landscapes Library"));
    QCOMPARE(f.Label7->text(), QStringLiteral("Sea view"));
    QVERIFY(f.scelta_file);
    QVERIFY(f.CMNew->isEnabled() && f.CMGame->isEnabled());
    QVERIFY(f.List1->isHidden() && f.File1->isHidden());
    QCOMPARE(f.Picture2.ubound(), 100);
    QCOMPARE(f.Picture1.ubound(), 100);
    QVERIFY(f.Picture3->isVisible() && f.Label6->isVisible() && f.Label7->isVisible() && f.Label9->isVisible());
    // The model file is what the preview shows.
    QCOMPARE(f.Picture3->size(), QSize(120, 90));
    for (int i = 1; i <= 6; ++i)
        QVERIFY(f.Picture4[i]->isHidden());
    QVERIFY(game.messages.isEmpty());
}

void TestLibrary::choosingWithAnotherTileCountCreatesThatMany()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Zoo"), QStringLiteral("x.jpg"), gridPicture(500, 500, 5));
    Game game(folder);
    game->tessere[2]->trigger();
    QCOMPARE(game->TessNum, Integer(25));
    game.choose(QStringLiteral("Zoo"), QStringLiteral("x.jpg"));
    QCOMPARE(game->Picture2.ubound(), 25);
    QCOMPARE(game->Picture1.ubound(), 25);
    QVERIFY(!game->Picture2.exists(26));
    QTest::mouseClick(game->CMGame, Qt::LeftButton);
    QCOMPARE(game->Picture2.ubound(), 0);
    QCOMPARE(game->Picture1.ubound(), 0);
}

void TestLibrary::aHugeModelIsScaledDownToThePreview()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Photos"), QStringLiteral("p.jpg"), gridPicture(400, 400, 4), false);
    QVERIFY(gridPicture(3000, 1500, 4).save(folder.file(QStringLiteral("Photos/model/p.mod")), "PNG"));
    Game game(folder);
    game.choose(QStringLiteral("Photos"), QStringLiteral("p.jpg"));
    QCOMPARE(game->Picture3->size(), QSize(136, 68));
}

void TestLibrary::newImageRestoresEveryStartUpDefault()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Zoo"), QStringLiteral("x.jpg"), gridPicture(400, 400, 4));
    folder.addFile(QStringLiteral("Music/inds_01.mid"), "x");
    folder.addFile(QStringLiteral("Music/Scopa.mid"), "x");
    Game game(folder);
    Form1 &f = *game;
    f.tessere[1]->trigger();
    f.no->trigger();
    f.fixno->trigger();
    f.canzoni[9]->trigger();
    game.choose(QStringLiteral("Zoo"), QStringLiteral("x.jpg"));
    QCOMPARE(f.Picture2.ubound(), 16);
    game.media->calls.clear();
    QTest::mouseClick(f.CMGame, Qt::LeftButton);
    QVERIFY(!f.scelta_file);
    QCOMPARE(f.TessNum, Integer(100));
    QVERIFY(f.tessere[3]->isChecked() && !f.tessere[1]->isChecked());
    QVERIFY(f.yes->isChecked() && !f.no->isChecked() && f.fixyes->isChecked() && !f.fixno->isChecked());
    QVERIFY(f.all->isChecked() && f.canzoni[1]->isChecked() && !f.canzoni[9]->isChecked());
    QCOMPARE(f.Brano, Integer(1));
    QVERIFY(game.media->calls.contains(QStringLiteral("open inds_01.mid")));
    QCOMPARE(f.Picture2.ubound(), 0);
    QCOMPARE(f.Picture1.ubound(), 0);
    QVERIFY(!f.CMNew->isEnabled() && !f.CMGame->isEnabled());
    QVERIFY(f.Picture3->isHidden() && f.Label6->isHidden() && f.Label7->isHidden() && f.Label9->isHidden());
    QCOMPARE(f.List1->count(), 1);
    QVERIFY(f.Timer1->Enabled());
    for (int i = 1; i <= 6; ++i)
        QVERIFY(f.Picture4.exists(i));
    // And a new game can be chosen.
    game.choose(QStringLiteral("Zoo"), QStringLiteral("x.jpg"));
    QCOMPARE(f.Picture2.ubound(), 100);
}

QTEST_MAIN(TestLibrary)
#include "test_library.moc"
