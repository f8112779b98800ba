#include "ui/DialogCaptions.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <utility>

namespace {

// Only the Italian column has text, so the boxes read the same in both languages.
constexpr CaptionRow Rows[] = {
    {"Warning", "Warning", ""},
    {"Error", "Error", ""},
    {"Information", "Information", ""},
    {"Confirm", "Confirm", ""},
    {"Yes", "&Yes", ""},
    {"No", "&No", ""},
    {"OK", "OK", ""},
    {"Cancel", "Cancel", ""},
    {"Abort", "&Abort", ""},
    {"Retry", "&Retry", ""},
    {"Ignore", "&Ignore", ""},
    {"All", "&All", ""},
    {"No To All", "N&o to All", ""},
    {"Yes To All", "Y&es to All", ""},
    {"Help", "&Help", ""},
};

// Qt's box has no button for "All".
constexpr std::pair<QMessageBox::StandardButton, const char *> Buttons[] = {
    {QMessageBox::Yes, "Yes"},
    {QMessageBox::No, "No"},
    {QMessageBox::Ok, "OK"},
    {QMessageBox::Cancel, "Cancel"},
    {QMessageBox::Abort, "Abort"},
    {QMessageBox::Retry, "Retry"},
    {QMessageBox::Ignore, "Ignore"},
    {QMessageBox::NoToAll, "No To All"},
    {QMessageBox::YesToAll, "Yes To All"},
    {QMessageBox::Help, "Help"},
};

constexpr std::pair<QMessageBox::Icon, const char *> Titles[] = {
    {QMessageBox::Warning, "Warning"},
    {QMessageBox::Critical, "Error"},
    {QMessageBox::Information, "Information"},
    {QMessageBox::Question, "Confirm"},
};

QString captionFor(const char *key, Language language)
{
    const QString text = captionOf(Rows, key, language);
    return text.isEmpty() ? captionOf(Rows, key, Language::Italian) : text;
}

} // namespace

std::span<const CaptionRow> dialogCaptions()
{
    return Rows;
}

void applyDialogCaptions(QMessageBox &box, Language language)
{
    for (const auto &[icon, key] : Titles)
        if (box.icon() == icon)
            box.setWindowTitle(captionFor(key, language));
    for (const auto &[role, key] : Buttons)
        if (QAbstractButton *button = box.button(role))
            button->setText(captionFor(key, language));
}
