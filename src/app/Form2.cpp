#include "app/Form2.h"

#include "ui/Captions.h"

namespace {
constexpr CaptionRow Captions[] = {
    {"TForm2", "Scelta dei dizionari", "Choice the dictionaries"},
};
} // namespace

Form2::Form2(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setModal(true);
    applyCaptions(this, Captions, Language::Italian);
}
