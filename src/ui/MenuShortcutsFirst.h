#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

// Lets the menu's shortcut keys through to the menu while a text field has the
// focus: a field would otherwise keep keys such as Ctrl+A (select all) to itself.
class MenuShortcutsFirst : public QObject {
    Q_OBJECT
public:
    // Watches every child of `window` that can take the focus.
    MenuShortcutsFirst(QWidget *window, QList<QKeySequence> shortcuts);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QKeySequence> shortcuts_;
};
