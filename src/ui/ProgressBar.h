#pragma once

#include <QProgressBar>

#include <cstddef>

// A progress bar that counts entries or words and that a mouse press sets back to 0.
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;

    // Counts beyond what the bar can show stop at its end.
    void setMaximumCount(std::size_t count);
    void setCount(std::size_t count);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
