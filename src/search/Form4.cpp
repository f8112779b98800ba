#include "search/Form4.h"

#include "ui/Captions.h"

namespace {
constexpr CaptionRow Captions[] = {
    {"TForm4", "Ricerca nel dizionario corrente", "Search in the current dictionary"},
};
} // namespace

Form4::Form4(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setModal(true);
    applyCaptions(this, Captions, Language::Italian);
}
