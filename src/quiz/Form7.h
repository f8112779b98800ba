#pragma once

#include <QDialog>

// The two-answer quiz window, shown modally over the main window.
class Form7 : public QDialog {
    Q_OBJECT
public:
    explicit Form7(QWidget *parent = nullptr);
};
