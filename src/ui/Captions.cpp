#include "ui/Captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace {

QString textOf(const CaptionRow &row, Language language)
{
    return QString::fromUtf8(language == Language::Italian ? row.italian : row.english);
}

bool isWindowKey(const QWidget *window, const char *key)
{
    return QByteArray("T") + window->metaObject()->className() == key;
}

void setCaption(QObject *object, const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(object))
        action->setText(text);
    else if (auto *menu = qobject_cast<QMenu *>(object))
        menu->setTitle(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(object))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(object))
        label->setText(text);
    else if (auto *page = qobject_cast<QWidget *>(object)) {
        // A page of a tab widget sits in the tab widget's stack.
        for (QWidget *parent = page->parentWidget(); parent; parent = parent->parentWidget())
            if (auto *tabs = qobject_cast<QTabWidget *>(parent)) {
                const int index = tabs->indexOf(page);
                if (index >= 0)
                    tabs->setTabText(index, text);
                break;
            }
    }
}

} // namespace

void applyCaptions(QWidget *window, std::span<const CaptionRow> rows, Language language)
{
    for (const CaptionRow &row : rows) {
        const QString text = textOf(row, language);
        if (isWindowKey(window, row.key)) {
            window->setWindowTitle(text);
            continue;
        }
        for (QObject *object : window->findChildren<QObject *>(QString::fromLatin1(row.key)))
            setCaption(object, text);
    }
}

QString captionOf(std::span<const CaptionRow> rows, const char *key, Language language)
{
    for (const CaptionRow &row : rows)
        if (qstrcmp(row.key, key) == 0)
            return textOf(row, language);
    return {};
}

void applyHints(QWidget *window, std::span<const CaptionRow> rows, Language language)
{
    for (const CaptionRow &row : rows)
        for (QWidget *widget : window->findChildren<QWidget *>(QString::fromLatin1(row.key)))
            widget->setToolTip(textOf(row, language));
}
