#pragma once

#include <QComboBox>

// An editable drop-down list that tells apart the changes of its text made by
// the user's hand (a pick from the list, a keystroke in the edit field) from the
// ones a program makes or that Qt makes on its own: an editable QComboBox
// "activates" a matching item when its edit field loses focus or takes Return,
// and that is not a pick.
class EditableComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit EditableComboBox(QWidget *parent = nullptr);

signals:
    void changedByUser();
    void doubleClicked();
};
