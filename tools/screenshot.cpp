// The screenshot of the software centre: the game itself, drawn offscreen on a 1280 x 720 screen, with
// a sample picture of 25 tiles half rebuilt, some tiles on their cells and the rest in the tray.
// vareriz_screenshot PROGRAM_FOLDER OUTPUT.png (the build's `screenshot` target runs it).
#include "platform/file_list.h"
#include "platform/media_backend.h"
#include "platform/picture_box.h"
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
    if (argc != 3) {
        std::fputs("Usage: vareriz_screenshot PROGRAM_FOLDER OUTPUT.png\n", stderr);
        return 2;
    }
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
    if (!form.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "vareriz_screenshot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
