#pragma once

#include <QPlainTextEdit>

// A plain-text pane that takes pasted and dropped text straight in at the
// caret: the stock pane first builds a document of the text and then copies
// it in, which costs twice as long on megabytes of text.
class InputPane : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData *source) override;
};
