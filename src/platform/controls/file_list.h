#pragma once
#include <QListWidget>

// A list of the files of one or more folders whose names end in one of some extensions (".jpg"),
// without regard to case; hidden files (names starting with a dot) and anything that is not a file
// are left out, and names are sorted without regard to case. A name found in two folders shows once,
// from the first. Each line knows its folder (folder()). Lines are all alike, so that a list of tens
// of thousands shows at once.
class FileListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent) : QListWidget(parent) { setUniformItemSizes(true); }
    void setPathAndExtensions(const QStringList &folders, const QStringList &extensions);
    int ListCount() const { return count(); }
    static QString folder(const QListWidgetItem *item) { return item->data(Qt::UserRole).toString(); }
};

// Puts names in the order the lists show them: without regard to case, and names that differ only in
// case in a fixed order.
void sortByName(QStringList &names);
