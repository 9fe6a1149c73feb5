// Photos from anywhere on the desktop: Open With and the command line, a drop, the clipboard and the
// desktop's file dialog. Each only finds the photo and deals it as the lists would, while no picture is
// chosen; during a game it does nothing, as the Images menu does then.
#include "platform/pictures/picture_loader.h"
#include "window/form1.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QShortcut>
#include <QStandardPaths>

namespace {

// The photos the game plays, as a file dialog's patterns: the file system tells case apart.
QString photoPatterns()
{
    QStringList patterns;
    for (const char *extension : {"jpg", "jpeg", "png", "webp", "heic", "heif", "avif"})
        patterns << QStringLiteral("*.") + QString::fromLatin1(extension)
                 << QStringLiteral("*.") + QString::fromLatin1(extension).toUpper();
    return patterns.join(u' ');
}

// The first local file among the dropped ones: a page's address or a folder is no photo to deal.
QString firstLocalFile(const QMimeData *data)
{
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            return url.toLocalFile();
    return QString();
}

} // namespace

void Form1::wireWaysIn()
{
    setAcceptDrops(true);
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, &Form1::pastePhoto);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, &Form1::choosePhotoFile);
}

void Form1::openPhoto(const QString &path)
{
    if (scelta_file)
        return;
    const QFileInfo file(path);
    deal(picture::Source::file(file.absoluteFilePath()), file.fileName(), file.completeBaseName(),
         file.absoluteDir().dirName(), QString());
}

void Form1::pastePhoto()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (scelta_file || !data)
        return;
    // The picture's own bytes, as the program that copied it coded them, in a format the game reads:
    // read once, and judged like a file. A picture held only as pixels (copied within one program) is
    // coded as PNG first; a photo file copied in a file manager is opened as if dropped.
    QByteArray bytes;
    for (const char *format : {"image/png", "image/jpeg", "image/webp", "image/avif", "image/heif", "image/heic"})
        if (data->hasFormat(QLatin1String(format)) && !(bytes = data->data(QLatin1String(format))).isEmpty())
            break;
    if (bytes.isEmpty() && data->hasImage()) {
        QBuffer png(&bytes);
        png.open(QIODevice::WriteOnly);
        qvariant_cast<QImage>(data->imageData()).save(&png, "PNG");
    }
    if (!bytes.isEmpty())
        deal(picture::Source::bytes(bytes), tr("Pasted picture"), tr("Pasted picture"), tr("Clipboard"), QString());
    else if (const QString path = firstLocalFile(data); !path.isEmpty())
        openPhoto(path);
}

void Form1::choosePhotoFile()
{
    if (scelta_file)
        return;
    // In the player's Pictures folder, or their home where they have none: a folder that is not there
    // would stand in the dialog as the name of a file to open.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open a Photo"), QDir(pictures).exists() ? pictures : QDir::homePath(),
                                     tr("Photos (%1)").arg(photoPatterns()));
    if (!path.isEmpty())
        openPhoto(path);
}

// A photo dragged from a file manager: taken while no picture is chosen, refused (the pointer says so)
// during a game.
void Form1::dragEnterEvent(QDragEnterEvent *e)
{
    if (!scelta_file && !dealing_ && !firstLocalFile(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *e)
{
    const QString path = firstLocalFile(e->mimeData());
    if (scelta_file || dealing_ || path.isEmpty())
        return;
    e->acceptProposedAction();
    // Dealt once the drop is over: the file manager is not kept waiting on a message to the player.
    QMetaObject::invokeMethod(
        this, [this, path] { openPhoto(path); }, Qt::QueuedConnection);
}
