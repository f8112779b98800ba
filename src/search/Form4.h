#pragma once

#include <QDialog>

// The complex search window of the current dictionary, shown modally over the main window.
class Form4 : public QDialog {
    Q_OBJECT
public:
    explicit Form4(QWidget *parent = nullptr);
};
