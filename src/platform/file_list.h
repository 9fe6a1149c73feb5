#pragma once
#include <QListWidget>

// A list of the files of one or more folders whose names match a pattern such as "*.jpg", without
// regard to case; hidden files (names starting with a dot) and anything that is not a file are left
// out, and names are sorted without regard to case. A name found in two folders shows once, from
// the first. Each line knows its folder (folder()).
class FileListBox : public QListWidget
{
    Q_OBJECT
public:
    using QListWidget::QListWidget;
    void setPathAndPattern(const QStringList &folders, const QString &pattern);
    int ListCount() const { return count(); }
    static QString folder(const QListWidgetItem *item) { return item->data(Qt::UserRole).toString(); }
};
