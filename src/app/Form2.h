#pragma once

#include <QDialog>

// The exclusion window: the dictionary categories to leave out, shown modally over the main window.
class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget *parent = nullptr);
};
