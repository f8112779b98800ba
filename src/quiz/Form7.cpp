#include "quiz/Form7.h"

#include "ui/Captions.h"

namespace {
constexpr CaptionRow Captions[] = {
    {"TForm7", "Test - 2 risposte", "Test - 2 answers"},
};
} // namespace

Form7::Form7(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setModal(true);
    applyCaptions(this, Captions, Language::Italian);
}
