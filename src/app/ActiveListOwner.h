#pragma once

#include "ui/Language.h"

#include <QString>
#include <QStringList>

// What the exclusion window needs of the main window, which owns the active
// list, the selector and the term list.
class ActiveListOwner {
public:
    // The program folder, ending with "/".
    virtual QString appFolder() const = 0;
    virtual Language language() const = 0;
    // The active list: the catalogue lines the whole-word search over all dictionaries walks.
    virtual void setActiveList(const QStringList &lines) = 0;
    // Refills the selector from the active list, makes the default dictionary
    // current and reloads it with every repeat kept, then rewrites the status
    // line. False when the dictionary could not be read: the error has been
    // shown and the term list is left empty.
    virtual bool Button17Click() = 0;

protected:
    ~ActiveListOwner() = default;
};
