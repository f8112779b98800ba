#pragma once

#include <QWidget>

// The child of `window` with this objectName; the program's windows always
// have their named controls, so a missing one is a fault of the program.
template <typename T> T *childNamed(QWidget *window, const char *name)
{
    T *child = window->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("%s has no %s", qPrintable(window->objectName()), name);
    return child;
}
