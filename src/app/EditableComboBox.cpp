#include "app/EditableComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

// The edit field: marks the moments in which QComboBox may activate an item
// on its own, and reports double clicks.
class HandEditedLineEdit : public QLineEdit {
public:
    explicit HandEditedLineEdit(EditableComboBox *box) : QLineEdit(box), box_(box) {}

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

    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        QLineEdit::mouseDoubleClickEvent(event);
        emit box_->doubleClicked();
    }

private:
    EditableComboBox *box_;
};

} // namespace

EditableComboBox::EditableComboBox(QWidget *parent) : QComboBox(parent)
{
    auto *edit = new HandEditedLineEdit(this);
    setLineEdit(edit);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(edit, &QLineEdit::textEdited, this, &EditableComboBox::changedByUser);
    connect(this, &QComboBox::activated, this, [this, edit] {
        if (!edit->finishingEdit)
            emit changedByUser();
    });
}
