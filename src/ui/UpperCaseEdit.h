#pragma once

#include <QLineEdit>

// A one-line edit that holds its text in capitals: every letter of Windows-1252,
// accented ones too, whether typed, pasted or set by the program. A character
// the code page cannot hold shows as '?', as it would be searched.
class UpperCaseEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit UpperCaseEdit(QWidget *parent = nullptr);
};
