#pragma once
#include <QAction>
#include <functional>

// A menu item whose check mark belongs to the program: choosing it calls the handler and leaves the
// mark as the handler sets it (the toolkit's own toggling is undone first).
QAction *addItem(QWidget *menu, const QString &caption, std::function<void()> onClick);
