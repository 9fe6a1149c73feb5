#include "platform/controls/file_list.h"

#include <QDirIterator>
#include <QHash>
#include <algorithm>
#include <numeric>

void sortByName(QStringList &names)
{
    QStringList keys;
    keys.reserve(names.size());
    for (const QString &n : names)
        keys << n.toCaseFolded();
    std::vector<int> order(size_t(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return keys[a] != keys[b] ? keys[a] < keys[b] : names[a] < names[b]; });
    QStringList sorted;
    sorted.reserve(names.size());
    for (int i : order)
        sorted << names[i];
    names.swap(sorted);
}

void FileListBox::setPathAndExtensions(const QStringList &folders, const QStringList &extensions)
{
    clear();
    QStringList names;
    QHash<QString, QString> folderOf;
    for (const QString &folder : folders)
        for (QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot); it.hasNext();) {
            const QString n = it.nextFileInfo().fileName();
            if (std::any_of(extensions.begin(), extensions.end(),
                            [&](const QString &e) { return n.endsWith(e, Qt::CaseInsensitive); }) &&
                !folderOf.contains(n)) {
                folderOf.insert(n, folder);
                names << n;
            }
        }
    sortByName(names);
    addItems(names);
    for (int row = 0; row < count(); ++row)
        item(row)->setData(Qt::UserRole, folderOf.value(names[row]));
}
