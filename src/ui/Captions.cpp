#include "ui/Captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

namespace {

QString textOf(const CaptionRow &row, Language language)
{
    return QString::fromUtf8(language == Language::Italian ? row.italian : row.english);
}

bool isWindowKey(const QWidget *window, const char *key)
{
    return QStringLiteral("T") + window->objectName() == QLatin1String(key);
}

// The window an object belongs to. A menu pops up as a window of its own but
// belongs to the window that holds it.
const QWidget *windowOf(const QObject *object)
{
    for (; object; object = object->parent())
        if (auto *widget = qobject_cast<const QWidget *>(object);
            widget && widget->isWindow() && widget->windowType() != Qt::Popup)
            return widget;
    return nullptr;
}

// The controls of this window that a key names: "Name" or "Name.Property".
// The windows a window holds have tables of their own.
QList<QObject *> controlsOf(QWidget *window, const char *key)
{
    const QString name = QString::fromLatin1(key).section(QLatin1Char('.'), 0, 0);
    QList<QObject *> controls = window->findChildren<QObject *>(name);
    controls.removeIf([window](const QObject *control) { return windowOf(control) != window; });
    return controls;
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

void setHint(QObject *object, const QString &text)
{
    if (auto *widget = qobject_cast<QWidget *>(object))
        widget->setToolTip(text);
}

// Renames the items in place, so the chosen item and the ticks stay.
void setList(QObject *object, const QStringList &items)
{
    if (auto *combo = qobject_cast<QComboBox *>(object)) {
        for (int i = 0; i < items.size(); ++i)
            i < combo->count() ? combo->setItemText(i, items[i]) : combo->addItem(items[i]);
    } else if (auto *list = qobject_cast<QListWidget *>(object)) {
        for (int i = 0; i < items.size(); ++i)
            i < list->count() ? list->item(i)->setText(items[i]) : list->addItem(items[i]);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(object)) {
        plain->setPlainText(items.join(QLatin1Char('\n')));
    } else if (auto *rich = qobject_cast<QTextEdit *>(object)) {
        rich->setPlainText(items.join(QLatin1Char('\n')));
    }
}

void setOtherString(QObject *object, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(object))
        line->setText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(object))
        plain->setPlainText(text);
}

template <typename Setter>
void applyRows(QWidget *window, std::span<const CaptionRow> rows, Language language, Setter &&set)
{
    for (const CaptionRow &row : rows) {
        const QString text = textOf(row, language);
        if (text.isEmpty())
            continue;
        for (QObject *object : controlsOf(window, row.key))
            set(object, text);
    }
}

} // namespace

void applyCaptions(QWidget *window, std::span<const CaptionRow> rows, Language language)
{
    for (const CaptionRow &row : rows) {
        const QString text = textOf(row, language);
        if (text.isEmpty())
            continue;
        if (isWindowKey(window, row.key))
            window->setWindowTitle(text);
        else
            for (QObject *object : controlsOf(window, row.key))
                setCaption(object, text);
    }
}

void applyCaptionTable(QWidget *window, const CaptionTable &table, Language language)
{
    applyCaptions(window, table.captions, language);
    applyRows(window, table.hints, language, setHint);
    applyRows(window, table.lists, language,
              [](QObject *object, const QString &text) { setList(object, text.split(QLatin1Char('\n'))); });
    applyRows(window, table.otherStrings, language, setOtherString);
}

QString captionOf(std::span<const CaptionRow> rows, const char *key, Language language)
{
    for (const CaptionRow &row : rows)
        if (qstrcmp(row.key, key) == 0)
            return textOf(row, language);
    return {};
}

QStringList listOf(std::span<const CaptionRow> rows, const char *key, Language language)
{
    const QString text = captionOf(rows, key, language);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
