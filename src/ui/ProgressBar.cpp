#include "ui/ProgressBar.h"

#include <QMouseEvent>

void ProgressBar::mousePressEvent(QMouseEvent *event)
{
    setValue(0);
    event->accept();
}
