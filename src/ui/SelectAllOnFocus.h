#pragma once

#include <QObject>

class QComboBox;

// Selects the whole text of an editable drop-down list whenever it takes the
// focus (but for a return to the window), so that what the user types replaces it.
class SelectAllOnFocus : public QObject {
    Q_OBJECT
public:
    explicit SelectAllOnFocus(QComboBox *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *box_;
};
