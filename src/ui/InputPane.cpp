#include "ui/InputPane.h"

#include <QMimeData>

void InputPane::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    insertPlainText(source->text());
    ensureCursorVisible();
}
