#include "platform/controls/menu_item.h"

#include <QMenu>
#include <QMenuBar>

QAction *addItem(QWidget *menu, const QString &caption, std::function<void()> onClick)
{
    auto *a = new QAction(caption, menu);
    a->setCheckable(true);
    QObject::connect(a, &QAction::triggered, a, [a, onClick](bool checked) {
        a->setChecked(!checked);
        if (onClick)
            onClick();
    });
    menu->addAction(a);
    return a;
}
