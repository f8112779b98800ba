#pragma once

#include <QDialog>

// The complex search window of the English-Italian dictionary, shown modally over the main window.
class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(QWidget *parent = nullptr);
};
