#include "ui/ProgressBar.h"

#include <QMouseEvent>

#include <algorithm>
#include <climits>

namespace {

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
    setValue(std::min(clampToInt(count), maximum()));
}

void ProgressBar::mousePressEvent(QMouseEvent *event)
{
    setValue(0);
    event->accept();
}
