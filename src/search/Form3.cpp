#include "search/Form3.h"

#include "ui/Captions.h"

namespace {
constexpr CaptionRow Captions[] = {
    {"TForm3", "Ricerche complesse sul dizionario Inglese-Italiano (1)", "Complex researches - English-Italian dictionary (1)"},
};
} // namespace

Form3::Form3(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setModal(true);
    applyCaptions(this, Captions, Language::Italian);
}
