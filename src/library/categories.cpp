// The picture library beside the program: the category list, the picture list of a category, and
// the clicks that open and close them.
#include "platform/controls/file_list.h"
#include "platform/controls/label.h"
#include "platform/controls/paths.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/vb_timer.h"
#include "window/form1.h"

#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSet>

#include <algorithm>

namespace {
// The folders in root, hidden ones (names starting with a dot) left out; in a fixed order, as the
// platform gives none.
QStringList foldersIn(const QString &root)
{
    QStringList names =
        root.isEmpty() ? QStringList() : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

void Form1::importa_dati()
{
    List1->hide();
    library_root = appPath() + u'/';
    // The library's folders and the player's own, sorted by name. A category is every folder of its
    // name in either place, whatever the case, so that name shows once, as the library spells it.
    QStringList names;
    QSet<QString> seen;
    for (const QString &root : {appPath(), context_.playerFolder})
        for (const QString &name : foldersIn(root))
            if (name != u"Music" && name != u"Puzzle" && !seen.contains(name.toCaseFolded())) {
                seen.insert(name.toCaseFolded());
                names << name;
            }
    sortByName(names);
    List1->addItems(names);
}

QStringList Form1::categoryFolders(const QString &category) const
{
    QStringList folders;
    for (const QString &root : {appPath(), context_.playerFolder})
        for (const QString &name : foldersIn(root))
            if (name.compare(category, Qt::CaseInsensitive) == 0)
                folders << paths::join(root, name);
    return folders;
}

void Form1::files_Click()
{
    if (scelta_file)
        return;
    if (List1->isHidden()) {
        // The lists open above whatever the board holds, the waiting animation's frames included.
        List1->raise();
        List1->show();
        List1->setFocus();
        Text2->hide();
        for (int i = 1; i <= 6; ++i)
            if (PictureBox *f = Picture4[i])
                f->hide();
    } else {
        List1->hide();
        File1->hide();
    }
}

void Form1::List1_Click()
{
    Text2->hide();
    File1->hide();
    const QListWidgetItem *item = List1->currentItem();
    if (!item)
        return;
    const QString text = item->text();
    const QStringList folders = categoryFolders(text);
    // A category removed since the list was read: the player is told, and the list is read again.
    if (folders.isEmpty()) {
        tell(tr("The category \"%1\" is no longer there.").arg(text));
        List1->clear();
        importa_dati();
        List1->show();
        List1->setFocus();
        return;
    }
    // The photos of phones and cameras, as they store them, and the pictures of the web; a picture is
    // read by what it holds, whatever its name says.
    File1->setPathAndExtensions(folders, {QStringLiteral(".jpg"), QStringLiteral(".jpeg"), QStringLiteral(".png"),
                                          QStringLiteral(".webp"), QStringLiteral(".heic"), QStringLiteral(".heif"),
                                          QStringLiteral(".avif")});
    if (File1->ListCount() > 0) {
        File1->raise();
        File1->show();
    } else {
        tell(tr("The category \"%1\" holds no picture the game can play: it plays pictures whose names end in "
                ".jpg, .jpeg, .png, .webp, .heic, .heif or .avif.")
                 .arg(text));
    }
    category_name = text;
    Timer1->setEnabled(false);
}

void Form1::Label1_Click()
{
    Text2->hide();
    List1->hide();
    File1->hide();
}

void Form1::Label8_Click()
{
    Label1_Click();
}

void Form1::Form_MouseDown(int, int, double, double)
{
    Label1_Click();
}
