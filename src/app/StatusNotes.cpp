#include "app/StatusNotes.h"

#include "app/ScreenText.h"
#include "translate/LookupSession.h"
#include "ui/Captions.h"
#include "ui/Form1Captions.h"

#include <QLabel>
#include <QStatusBar>

namespace {
constexpr int NoteMilliseconds = 5000;
} // namespace

StatusNotes::StatusNotes(QStatusBar *bar, std::function<Language()> language)
    : QObject(bar), field_(new QLabel(bar)), language_(std::move(language))
{
    field_->setObjectName(QStringLiteral("StatusNote"));
    field_->setContentsMargins(6, 0, 6, 0);
    QPalette palette = field_->palette();
    palette.setColor(QPalette::WindowText, QColor(0x9A, 0x1B, 0x1B));
    field_->setPalette(palette);
    bar->addWidget(field_, 1);
    timer_.setSingleShot(true);
    timer_.setInterval(NoteMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &StatusNotes::clear);
}

void StatusNotes::show(const char *key, const QString &argument)
{
    QString text = captionOf(form1Messages(), key, language_());
    field_->setText(argument.isNull() ? text : text.arg(argument));
    timer_.start();
}

void StatusNotes::clear()
{
    timer_.stop();
    field_->clear();
}

void StatusNotes::foundNothing(const std::string &term)
{
    switch (zelvora::lookupKindOf(term)) {
    case zelvora::LookupKind::Exact:
        if (term.empty())
            show("WriteATerm");
        else
            show("TermNotFound", toScreen(term));
        break;
    case zelvora::LookupKind::Prefix:
        show("NoTermBegins", toScreen(std::string(zelvora::prefixOf(term))));
        break;
    case zelvora::LookupKind::ShortPrefix:
        show("ShortPrefix");
        break;
    }
}

bool StatusNotes::admits(const QString &text, zelvora::LengthRule rule)
{
    const std::size_t length = fromScreen(text).size();
    if (length < rule.minimum)
        show("AtLeast", QString::number(rule.minimum));
    else if (length > rule.maximum)
        show("AtMost", QString::number(rule.maximum));
    return rule.admits(length);
}

void StatusNotes::noLetters()
{
    show("NoLetters");
}

void StatusNotes::noResults()
{
    show("NoResults");
}
