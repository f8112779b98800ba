#include "quiz/AnswerBox.h"

#include <QMouseEvent>

#include <limits>

namespace {
// Hints appear only on longer texts, and stay up long enough to be read.
constexpr qsizetype LongestTextWithoutHint = 70;
constexpr int HintMilliseconds = 10000;
} // namespace

AnswerBox::AnswerBox(QWidget *parent) : QLineEdit(parent)
{
    // A definition of any length is shown whole, so that it still equals the right answer.
    setMaxLength(std::numeric_limits<int>::max());
    setToolTipDuration(HintMilliseconds);
    connect(this, &QLineEdit::returnPressed, this, &AnswerBox::chosen);
}

void AnswerBox::showAnswer(const QString &text)
{
    setText(text);
    setCursorPosition(0);
    setToolTip(text.size() > LongestTextWithoutHint ? text : QString());
}

void AnswerBox::paint(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colour);
    // An answered box stays readable on its colour.
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    setPalette(palette);
}

void AnswerBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit chosen();
}
