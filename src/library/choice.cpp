// Choosing a picture, which builds and deals the board, and "New Image", which returns the window
// to its start-up state.
#include "platform/file_list.h"
#include "platform/label.h"
#include "platform/paths.h"
#include "platform/picture_box.h"
#include "platform/picture_loader.h"
#include "platform/twips.h"
#include "window/form1.h"
#include "window/geometry.h"

#include <QDir>
#include <QFileInfo>
#include <QScreen>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The preview is kept at no more than this size: enough for its place on a 4K screen at twice the
// pixels of a plain one.
const QSize previewKept(800, 800);

} // namespace

void Form1::File1_Click()
{
    Text2->hide();
    const QListWidgetItem *item = File1->currentItem();
    if (!item)
        return;
    const QString fileName = item->text();
    const QString folder = FileListBox::folder(item);
    const QString picturePath = paths::join(folder, fileName);

    // The picture is read, and judged, before anything changes: a picture that cannot make a board
    // is refused and the window stays as it was. It is decoded with the detail of the largest board
    // this screen can hold, so that the tiles stay sharp when the window grows.
    const Long s = side();
    const QSizeF screenSize = twips::fromPixels(screen()->availableGeometry().size());
    const Integer largest = std::max(Z, geometry::arrange({screenSize, screenSize}, TessNum).Z);
    const int tilePixels = int(std::ceil(twips::toPixels(largest) * devicePixelRatioF()));
    QString why;
    if (!PictureClip1.load(picturePath, QSize(tilePixels * s, tilePixels * s), &why)) {
        tell(QStringLiteral("The picture \"%1\" cannot be used: %2.").arg(fileName, why));
        return;
    }
    if (PictureClip1.Width() < s || PictureClip1.Height() < s) {
        tell(
            QStringLiteral("The picture \"%1\" cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.")
                .arg(fileName)
                .arg(PictureClip1.Width())
                .arg(PictureClip1.Height())
                .arg(TessNum));
        PictureClip1.clear();
        return;
    }
    nome = picturePath;

    const QString base = QFileInfo(fileName).completeBaseName(); // less ".jpg", or ".jpeg"
    Label9->setText(category_name + QStringLiteral(" Library"));
    model = folder + QStringLiteral("/model/") + base + QStringLiteral(".mod");
    Label7->setText(base);
    // Without a readable model the preview is made from the picture itself.
    preview_ = picture::load(paths::resolve(folder, QStringLiteral("model/") + base + QStringLiteral(".mod")));
    if (preview_.isNull())
        preview_ = PictureClip1.heldImage();
    if (preview_.width() > previewKept.width() || preview_.height() > previewKept.height())
        preview_ = preview_.scaled(previewKept, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Picture3->setPicture(QPixmap()); // the layout shows the new preview at the size its place allows

    List1->hide();
    File1->hide();
    for (int i = 1; i <= TessNum; ++i) {
        PictureBox *tile = Picture2.load(i);
        const Integer index = Integer(i);
        connect(tile, &PictureBox::mouseDown, this,
                [this, index](int b, int sh, double x, double y) { Picture2_MouseDown(index, b, sh, x, y); });
        connect(tile, &PictureBox::mouseMove, this,
                [this, index](int b, int sh, double x, double y) { Picture2_MouseMove(index, b, sh, x, y); });
        connect(tile, &PictureBox::mouseUp, this,
                [this, index](int b, int sh, double x, double y) { Picture2_MouseUp(index, b, sh, x, y); });
    }
    for (int i = 1; i <= TessNum; ++i)
        Picture1.load(i);
    scelta_file = true;
    endAnimation();
    CMNew->setEnabled(true);
    CMGame->setEnabled(true);
    graphic_load();
    mescola();
    disponi_celle();
    focusGame();
}

void Form1::CMGame_Click()
{
    LBLcongrat->hide();
    scelta_file = false;
    Text2->hide();
    destroyBoard();
    List1->clear();
    Form_Load();
    if (startedWell_)
        Form_Activate();
    focusGame();
}

// Tiles, cells and frames go in index order; the picture held for cutting is let go too.
void Form1::destroyBoard()
{
    for (int i = 1; i <= TessNum; ++i)
        Picture2.unload(i);
    for (int i = 1; i <= TessNum; ++i)
        Picture1.unload(i);
    for (int i = 1; i <= 6; ++i)
        Picture4.unload(i);
    PictureClip1.clear();
    preview_ = QImage();
    tile_cell.fill(0);
    drag_index = 0;
    lifted_ = 0;
    carrying_ = false;
#ifdef __GLIBC__
    // A picture and its tiles are many megabytes; hand what they held back to the system, so that a
    // game left open all day does not keep the largest picture's memory.
    malloc_trim(0);
#endif
}

void Form1::Picture3_Click()
{
    Text2->hide();
}
