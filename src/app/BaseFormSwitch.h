#pragma once

#include "morphology/BaseFormLexicon.h"
#include "ui/Language.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

// The item "Cerca anche le forme base" of the "Utilità" menu
// (Cercaancheleformebase1): while it is checked, the main window's lookups
// find the words the dictionary lacks through their base forms. It starts
// unchecked. The lexicon is read the first time the item is checked and kept
// from then on. When the lexicon is missing, or cannot be read, the item is
// disabled and its hint says why.
class BaseFormSwitch : public QObject {
    Q_OBJECT
public:
    // `lexiconPath` is the lexicon's file; `window` parents the error box.
    BaseFormSwitch(QMenu *menu, QString lexiconPath, QWidget *window, std::function<Language()> language);

    // The lexicon while the item is checked, nullptr otherwise.
    const zelvora::BaseFormLexicon *lexicon() const;

private:
    void Cercaancheleformebase1Click(bool checked);
    void disable(const char *why, const QString &reason, Language language);
    void writeHint(Language language);

    QAction *item_;
    QString path_;
    QWidget *window_;
    std::function<Language()> language_;
    std::optional<zelvora::BaseFormLexicon> lexicon_;
    const char *why_ = nullptr; // the message key of the hint of a disabled item
    QString reason_;
};
