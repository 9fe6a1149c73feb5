#pragma once
#include <QAccessible>

class QWidget;

// Gives a widget of the game's own the role that a screen reader announces for it (a tile is a
// button, a cell a table cell), where the toolkit would announce a plain container and pass it over.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);
