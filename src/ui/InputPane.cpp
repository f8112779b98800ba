#include "ui/InputPane.h"

#include <QMimeData>

void InputPane::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        insertPlainText(source->text());
}
