// Background music: all songs in turn, one chosen song again and again, or none.
#include "platform/sound/mmcontrol.h"
#include "window/form1.h"

#include <QPlainTextEdit>

namespace {
QString songPath(const QString &folder, const QAction *item, const char *extension)
{
    return folder + QStringLiteral("/Music/") + item->text() + QString::fromLatin1(extension);
}
} // namespace

void Form1::canzoni_Click(Integer Index)
{
    for (int i = 1; i <= canzoni.ubound(); ++i)
        canzoni[i]->setChecked(false);
    canzoni[Index]->setChecked(true);
    nomusic->setChecked(false);
    all->setChecked(false);
    Brano = 0;
    MMC1->wake();
    MMC1->setCommand(QStringLiteral("close"));
    MMC1->setFileName(songPath(appPath(), canzoni[Index], ".MID"));
    MMC1->setCommand(QStringLiteral("open"));
    MMC1->setWait(false);
    MMC1->setCommand(QStringLiteral("play"));
}

void Form1::all_Click()
{
    for (int i = 1; i <= canzoni.ubound(); ++i)
        canzoni[i]->setChecked(false);
    nomusic->setChecked(false);
    all->setChecked(true);
    MMC1->wake();
    MMC1_Done(1);
}

void Form1::nomusic_Click()
{
    for (int i = 1; i <= canzoni.ubound(); ++i)
        canzoni[i]->setChecked(false);
    nomusic->setChecked(true);
    all->setChecked(false);
    Brano = 0;
    MMC1->setCommand(QStringLiteral("close"));
}

void Form1::music_Click()
{
    Text2->hide();
}

void Form1::MMC1_Done(int NotifyCode)
{
    // A song that could not be played was never heard to end: the About text stays open.
    if (!MMC1->reportingFailure())
        Text2->hide();
    if (NotifyCode != 1)
        return;
    if (all->isChecked()) {
        const int songs = canzoni.ubound();
        if (Brano == songs)
            Brano = 0;
        ++Brano;
        canzoni[Brano != 1 ? Brano - 1 : songs]->setChecked(false);
        canzoni[Brano]->setChecked(true);
        MMC1->setCommand(QStringLiteral("close"));
        MMC1->setFileName(songPath(appPath(), canzoni[Brano], ".mid"));
        MMC1->setCommand(QStringLiteral("Open"));
        MMC1->setCommand(QStringLiteral("play"));
    } else {
        MMC1->setFrom(0);
        MMC1->setCommand(QStringLiteral("Play"));
    }
}
