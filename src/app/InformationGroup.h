#pragma once

#include "ui/Language.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QWidget;

// Hides and shows the main window's information fields (the status line, the
// line counter and the cursor labels) from the results pane's menu and from
// the "Utilità" menu. Whether they are shown is told by the caption of the
// context-menu item alone, so both items always act on the same state. Hidden
// fields are still kept up to date.
class InformationGroup : public QObject {
    Q_OBJECT
public:
    // Finds the fields and the two menu items in `window` by name.
    InformationGroup(QWidget *window, std::function<Language()> language);

    // As the context-menu item's caption tells.
    bool shown() const;
    // Captions both items for that state in `language`, as a click on the
    // context-menu item leaves them; the fields stay as they are.
    void writeCaptions(bool shown, Language language);

private:
    void toggle(const QAction *clicked);

    std::function<Language()> language_;
    QAction *Nascondileinformazioni1;
    QAction *Nascondileinformazioni2;
    QList<QWidget *> fields_;
};
