#pragma once

#include <QElapsedTimer>
#include <QProgressBar>

#include <cstddef>

// A progress bar that counts entries or words and that a mouse press sets back to 0.
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;

    // Counts beyond what the bar can show stop at its end. A count is painted
    // at once only when the bar has not been painted for a while: a long
    // operation shows its progress as it goes, and a short one has the bar
    // painted with the rest of the window when it ends.
    void setMaximumCount(std::size_t count);
    void setCount(std::size_t count);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QElapsedTimer sincePainted_;
};
