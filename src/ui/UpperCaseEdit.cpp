#include "ui/UpperCaseEdit.h"

#include "app/ScreenText.h"
#include "dictionary/UpperCase.h"

#include <QValidator>

#include <algorithm>

namespace {

// A validator rewrites the text before the edit takes it, so that the edit's
// undo steps hold the capitals too.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        input = toScreen(zelvora::toUpperFull(fromScreen(input)));
        position = std::min(position, static_cast<int>(input.size()));
        return Acceptable;
    }
};

} // namespace

UpperCaseEdit::UpperCaseEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new UpperCaseValidator(this));
}
