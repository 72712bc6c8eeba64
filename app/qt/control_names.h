#pragma once
// Dialog controls carry their control id in their object name, so the
// dialogs, the tests and the screenshots agree on which control is which.

#include <QString>
#include <QWidget>

inline QString ControlName(int id) { return QString("control%1").arg(id); }

// Names a control by its id and returns it.
template <class W>
W* NamedControl(W* widget, int id) {
    widget->setObjectName(ControlName(id));
    return widget;
}
