#include "app/SelectorComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

// Marks the moments in which QComboBox may activate an item on its own.
class SelectorLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    bool finishingEdit = false;

protected:
    void focusOutEvent(QFocusEvent *event) override
    {
        QScopedValueRollback guard(finishingEdit, true);
        QLineEdit::focusOutEvent(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const bool finishes = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        QScopedValueRollback guard(finishingEdit, finishingEdit || finishes);
        QLineEdit::keyPressEvent(event);
    }
};

} // namespace

SelectorComboBox::SelectorComboBox(QWidget *parent) : QComboBox(parent)
{
    auto *edit = new SelectorLineEdit(this);
    setLineEdit(edit);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(edit, &QLineEdit::textEdited, this, &SelectorComboBox::changedByUser);
    connect(this, &QComboBox::activated, this, [this, edit] {
        if (!edit->finishingEdit)
            emit changedByUser();
    });
}
