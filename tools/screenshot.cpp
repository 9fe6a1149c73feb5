// The screenshot of the software centre: the game itself, drawn offscreen on a 1280 x 720 screen, with
// a sample picture of 25 tiles half rebuilt, some tiles on their cells and the rest in the tray.
// vareriz_screenshot PROGRAM_FOLDER OUTPUT.png (the build's `screenshot` target runs it); with --check,
// it draws the game again and fails when OUTPUT.png no longer shows it as it is (a test runs that).
#include "platform/controls/file_list.h"
#include "platform/controls/picture_box.h"
#include "platform/sound/media_backend.h"
#include "window/form1.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <cstdio>

namespace {

// Carries tile k with the left button, as a player does, so that its corner lands on `corner`.
void carry(PictureBox *tile, QPoint corner)
{
    const QPointF grab(5, 5), to = grab + corner - tile->pos();
    QMouseEvent press(QEvent::MouseButtonPress, grab, tile->mapToGlobal(grab), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent move(QEvent::MouseMove, to, tile->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, to, tile->mapToGlobal(to), Qt::LeftButton, Qt::NoButton, {});
    for (QMouseEvent *e : {&press, &move, &release})
        QApplication::sendEvent(tile, e);
}

bool choose(QListWidget *list, const QString &text, const std::function<void()> &click)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    list->setCurrentItem(found.first());
    click();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool check = argc == 4 && qstrcmp(argv[1], "--check") == 0;
    if (argc != 3 && !check) {
        std::fputs("Usage: vareriz_screenshot [--check] PROGRAM_FOLDER OUTPUT.png\n", stderr);
        return 2;
    }
    argv += check;
    Form1Context context;
    context.programFolder = QString::fromLocal8Bit(argv[1]);
    context.randomSeed = 7;
    Form1 form(std::move(context));
    form.start();
    form.tessere[2]->trigger();
    form.files->trigger();
    if (!choose(form.List1, QStringLiteral("Landscapes"), [&] { form.List1_Click(); }) ||
        !choose(form.File1, QStringLiteral("Alpine dawn.jpg"), [&] { form.File1_Click(); })) {
        std::fputs("vareriz_screenshot: the sample picture Landscapes/Alpine dawn.jpg is not there\n", stderr);
        return 1;
    }
    // Every other tile of the top rows onto its own cell, and a few more, in the order of the tray.
    for (int p = 1; p <= 25; ++p) {
        const int k = form.trayOrder()[size_t(p)];
        if (k <= 15 && k % 3 != 0)
            carry(form.Picture2[k], form.Picture1[k]->pos());
    }
    QCoreApplication::processEvents();
    const QImage now = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (check) {
        // As it is today: 16:9, at least 1248 x 702, and within a few levels of the one kept, but for
        // what a font's smoothing may change.
        const QImage kept = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
        qint64 alike = 0;
        for (int y = 0; kept.size() == now.size() && y < now.height(); ++y)
            for (int x = 0; x < now.width(); ++x) {
                const QRgb a = now.pixel(x, y), b = kept.pixel(x, y);
                alike +=
                    std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 24;
            }
        const bool current = now.width() >= 1248 && now.width() * 9 == now.height() * 16 &&
                             alike > qint64(now.width()) * now.height() * 98 / 100;
        if (!current)
            std::fprintf(stderr, "%s no longer shows the game: draw it again (the build's screenshot target)\n",
                         argv[2]);
        return current ? 0 : 1;
    }
    if (!now.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "vareriz_screenshot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
