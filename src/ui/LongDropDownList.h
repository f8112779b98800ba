#pragma once

#include <QComboBox>

class QStringListModel;

// A drop-down list without typing for tens of thousands of items: its rows are
// of one height and never measured, and it drops down as a plain list under
// the box (the menu-like list some styles draw measures every item first).
class LongDropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit LongDropDownList(QWidget *parent = nullptr);

    // Puts the items in, all in one batch, with none of them chosen.
    void setItems(const QStringList &items);

private:
    QStringListModel *items_;
};
