#include "ui/ProgressBar.h"

#include <QMouseEvent>

#include <algorithm>
#include <climits>

namespace {

constexpr qint64 PaintAtOnceAfterMs = 100;

int clampToInt(std::size_t value)
{
    return static_cast<int>(std::min<std::size_t>(value, INT_MAX));
}

} // namespace

void ProgressBar::setMaximumCount(std::size_t count)
{
    setMaximum(clampToInt(count));
}

void ProgressBar::setCount(std::size_t count)
{
    const int value = std::min(clampToInt(count), maximum());
    if (!sincePainted_.isValid() || sincePainted_.elapsed() >= PaintAtOnceAfterMs) {
        setValue(value);
        return;
    }
    // QProgressBar paints a new value at once; with updates off it only marks itself for the next painting.
    setUpdatesEnabled(false);
    setValue(value);
    setUpdatesEnabled(true);
}

void ProgressBar::paintEvent(QPaintEvent *event)
{
    QProgressBar::paintEvent(event);
    sincePainted_.start();
}

void ProgressBar::mousePressEvent(QMouseEvent *event)
{
    setValue(0);
    event->accept();
}
