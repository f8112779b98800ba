#include "ui/SelectAllOnFocus.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

SelectAllOnFocus::SelectAllOnFocus(QComboBox *box) : QObject(box), box_(box)
{
    // The box takes the focus for its edit field.
    box->installEventFilter(this);
}

bool SelectAllOnFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn
        && static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason)
        // After the event: a mouse press that brought the focus places the caret first.
        QTimer::singleShot(0, box_->lineEdit(), &QLineEdit::selectAll);
    return QObject::eventFilter(watched, event);
}
