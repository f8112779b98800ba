#include "ui/MenuShortcutsFirst.h"

#include <QKeyEvent>
#include <QWidget>

MenuShortcutsFirst::MenuShortcutsFirst(QWidget *window, QList<QKeySequence> shortcuts)
    : QObject(window), shortcuts_(std::move(shortcuts))
{
    for (QWidget *child : window->findChildren<QWidget *>())
        if (child->focusPolicy() != Qt::NoFocus)
            child->installEventFilter(this);
}

bool MenuShortcutsFirst::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!shortcuts_.contains(QKeySequence(key->keyCombination())))
        return false;
    // Not taking the override leaves the key to the shortcut.
    event->ignore();
    return true;
}
