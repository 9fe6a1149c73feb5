#include "platform/file_list.h"

#include <QDir>
#include <algorithm>

bool FileListBox::setPathAndPattern(const QString &folder, const QString &pattern)
{
    clear();
    QDir dir(folder);
    if (!dir.exists())
        return false;
    dir.setNameFilters({pattern});
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
    QStringList names = dir.entryList();
    names.removeIf([](const QString &n) { return n.startsWith(u'.'); });
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    addItems(names);
    return true;
}
