#include "platform/file_list.h"

#include <QDir>
#include <algorithm>
#include <numeric>

void FileListBox::setPathAndPattern(const QStringList &folders, const QString &pattern)
{
    clear();
    QStringList names, from;
    for (const QString &folder : folders) {
        QDir dir(folder);
        dir.setNameFilters({pattern});
        dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
        for (const QString &n : dir.entryList())
            if (!n.startsWith(u'.') && !names.contains(n))
                names << n, from << folder;
    }
    std::vector<int> order(size_t(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = names[a].compare(names[b], Qt::CaseInsensitive);
        return c != 0 ? c < 0 : names[a] < names[b];
    });
    for (int i : order) {
        auto *item = new QListWidgetItem(names[i], this);
        item->setData(Qt::UserRole, from[i]);
    }
}
