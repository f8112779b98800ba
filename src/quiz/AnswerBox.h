#pragma once

#include <QLineEdit>

// An answer box of the quiz: an ordinary editable box whose mouse click gives
// its text as the answer (so does Return, for the keyboard).
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget *parent = nullptr);

    // Sets the text; its hint shows the whole text when the text is too long to read in the box.
    void showAnswer(const QString &text);
    // Paints the box's ground, enabled or not.
    void paint(const QColor &colour);

signals:
    void chosen();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
