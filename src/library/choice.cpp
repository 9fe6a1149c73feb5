// Choosing a picture, which builds and deals the board, and "New Image", which returns the window
// to its start-up state.
#include "platform/controls/accessible.h"
#include "platform/controls/file_list.h"
#include "platform/controls/label.h"
#include "platform/controls/paths.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/twips.h"
#include "platform/pictures/picture_loader.h"
#include "window/form1.h"
#include "window/geometry.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <future>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace {

// The preview is kept at no more than this size: enough for its place on a 4K screen at twice the
// pixels of a plain one.
const QSize previewKept(800, 800);

// Does `work` on a worker thread while the window waits. When it takes more than a moment, the
// pointer shows that the game is busy and the window is still painted; what the player does
// meanwhile is taken once the work is done.
template <typename Work> auto whileBusy(Work work)
{
    auto result = std::async(std::launch::async, std::move(work));
    if (result.wait_for(std::chrono::milliseconds(300)) != std::future_status::ready) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        while (result.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QGuiApplication::restoreOverrideCursor();
    }
    return result.get();
}

} // namespace

void Form1::File1_Click()
{
    Text2->hide();
    const QListWidgetItem *item = File1->currentItem();
    if (!item)
        return;
    const QString fileName = item->text();
    const QString folder = FileListBox::folder(item);
    const QString base = QFileInfo(fileName).completeBaseName(); // less ".jpg", ".heic" ...
    deal(picture::Source::file(paths::join(folder, fileName)), fileName, base, category_name,
         folder + QStringLiteral("/model/") + base + QStringLiteral(".mod"));
}

bool Form1::deal(const picture::Source &source, const QString &name, const QString &caption, const QString &library,
                 const QString &modelPath)
{
    // While a picture is read the window still takes what the desktop brings (a drop): one at a time.
    if (dealing_)
        return false;
    const QScopedValueRollback busy(dealing_, true);
    Text2->hide();
    // The picture is read, and judged, before anything changes: a picture that cannot make a board
    // is refused and the window stays as it was. It is decoded with the detail of the largest board
    // this screen can hold, so that the tiles stay sharp when the window grows. Without a readable
    // model the preview is made from the picture itself.
    const Long s = side();
    const QSizeF screenSize = twips::fromPixels(screen()->availableGeometry().size());
    const Integer largest = std::max(Z, geometry::arrange({screenSize, screenSize}, TessNum).Z);
    const int tilePixels = int(std::ceil(twips::toPixels(largest) * devicePixelRatioF()));
    struct Read {
        PictureClip clip;
        QString why;
        QImage preview;
    };
    Read read = whileBusy([&] {
        Read r;
        if (!r.clip.load(source, QSize(tilePixels * s, tilePixels * s), &r.why))
            return r;
        if (!modelPath.isEmpty())
            r.preview = picture::loadScaled(picture::Source::file(paths::resolve(modelPath)), previewKept);
        if (r.preview.isNull())
            r.preview = r.clip.heldImage();
        if (r.preview.width() > previewKept.width() || r.preview.height() > previewKept.height())
            r.preview = r.preview.scaled(previewKept, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return r;
    });
    if (!read.clip.hasPicture()) {
        tell(tr("The picture \"%1\" cannot be used: %2.").arg(name, read.why));
        return false;
    }
    if (read.clip.Width() < s || read.clip.Height() < s) {
        tell(tr("The picture \"%1\" cannot be used: at %2 x %3 pixels it is too small to cut into %4 tiles.")
                 .arg(name, QString::number(read.clip.Width()), QString::number(read.clip.Height()),
                      QString::number(TessNum)));
        return false;
    }
    PictureClip1 = std::move(read.clip);
    preview_ = std::move(read.preview);
    nome = source.path;

    Label9->setText(tr("%1 Library").arg(library));
    model = modelPath;
    Label7->setText(caption);
    Picture3->setPicture(QPixmap()); // the layout shows the new preview at the size its place allows

    List1->hide();
    File1->hide();
    for (int i = 1; i <= TessNum; ++i) {
        PictureBox *tile = Picture2.load(i);
        setAccessibleRole(tile, QAccessible::Button);
        const Integer index = Integer(i);
        connect(tile, &PictureBox::mouseDown, this,
                [this, index](int b, int sh, double x, double y) { Picture2_MouseDown(index, b, sh, x, y); });
        connect(tile, &PictureBox::mouseMove, this,
                [this, index](int b, int sh, double x, double y) { Picture2_MouseMove(index, b, sh, x, y); });
        connect(tile, &PictureBox::mouseUp, this,
                [this, index](int b, int sh, double x, double y) { Picture2_MouseUp(index, b, sh, x, y); });
    }
    for (int i = 1; i <= TessNum; ++i)
        setAccessibleRole(Picture1.load(i), QAccessible::Cell);
    scelta_file = true;
    endAnimation();
    CMNew->setEnabled(true);
    CMGame->setEnabled(true);
    graphic_load();
    mescola();
    disponi_celle();
    focusGame();
    return true;
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
