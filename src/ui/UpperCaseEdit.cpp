#include "ui/UpperCaseEdit.h"

#include "app/ScreenText.h"
#include "dictionary/UpperCase.h"

#include <QValidator>

#include <algorithm>

namespace {

// The edit runs its validator on every change of its text, typed, pasted or
// set, and takes the text as the validator leaves it.
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
