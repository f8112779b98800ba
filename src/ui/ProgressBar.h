#pragma once

#include <QProgressBar>

// A progress bar that a mouse press sets back to 0.
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
