#include "platform/file_list.h"

#include <QDirIterator>
#include <QSet>
#include <algorithm>
#include <numeric>

void FileListBox::setPathAndExtensions(const QStringList &folders, const QStringList &extensions)
{
    clear();
    QStringList names, keys, from;
    QSet<QString> seen;
    for (const QString &folder : folders)
        for (QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot); it.hasNext();) {
            const QString n = it.nextFileInfo().fileName();
            if (std::none_of(extensions.begin(), extensions.end(),
                             [&](const QString &e) { return n.endsWith(e, Qt::CaseInsensitive); }) ||
                seen.contains(n))
                continue;
            seen.insert(n);
            names << n;
            keys << n.toCaseFolded();
            from << folder;
        }
    std::vector<int> order(size_t(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return keys[a] != keys[b] ? keys[a] < keys[b] : names[a] < names[b]; });
    QStringList sorted;
    sorted.reserve(names.size());
    for (int i : order)
        sorted << names[i];
    addItems(sorted);
    for (int row = 0; row < count(); ++row)
        item(row)->setData(Qt::UserRole, from[order[size_t(row)]]);
}
