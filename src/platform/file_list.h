#pragma once
#include <QListWidget>

// A list of the files of one folder whose names match a pattern such as "*.jpg", without regard to
// case; hidden files (names starting with a dot) and anything that is not a file are left out, and
// names are sorted without regard to case.
class FileListBox : public QListWidget
{
    Q_OBJECT
public:
    using QListWidget::QListWidget;
    // Points the list at a folder and pattern; false (and the list emptied) when the folder is gone.
    bool setPathAndPattern(const QString &folder, const QString &pattern);
    int ListCount() const { return count(); }
};
