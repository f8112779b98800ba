#include "app/BaseFormSwitch.h"

#include "app/ScreenText.h"
#include "dictionary/FileError.h"
#include "ui/Captions.h"
#include "ui/FileErrorBox.h"
#include "ui/Form1Captions.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

BaseFormSwitch::BaseFormSwitch(QMenu *menu, QString lexiconPath, QWidget *window, std::function<Language()> language)
    : QObject(menu), item_(new QAction(menu)), path_(std::move(lexiconPath)), window_(window),
      language_(std::move(language))
{
    item_->setObjectName(QStringLiteral("Cercaancheleformebase1"));
    item_->setCheckable(true);
    menu->addAction(item_);
    // The hint of a disabled item shows where the menu is; in the language of the moment.
    menu->setToolTipsVisible(true);
    connect(menu, &QMenu::aboutToShow, this, [this] { writeHint(language_()); });
    connect(item_, &QAction::toggled, this, &BaseFormSwitch::Cercaancheleformebase1Click);
    if (!QFileInfo::exists(path_))
        disable("LexiconMissing", {}, Language::Italian); // every run starts in Italian
}

const zelvora::BaseFormLexicon *BaseFormSwitch::lexicon() const
{
    return item_->isChecked() && lexicon_ ? &*lexicon_ : nullptr;
}

void BaseFormSwitch::Cercaancheleformebase1Click(bool checked)
{
    if (!checked || lexicon_)
        return;
    try {
        lexicon_ = zelvora::BaseFormLexicon::load(toLocalPath(path_));
    } catch (const zelvora::FileError &error) {
        item_->setChecked(false);
        disable("LexiconUnreadable", QString::fromLocal8Bit(error.reason().c_str()), language_());
        showFileError(window_, error, language_());
    }
}

void BaseFormSwitch::disable(const char *why, const QString &reason, Language language)
{
    why_ = why;
    reason_ = reason;
    item_->setEnabled(false);
    writeHint(language);
}

void BaseFormSwitch::writeHint(Language language)
{
    if (!why_)
        return;
    const QString hint = captionOf(form1Messages(), why_, language).arg(QFileInfo(path_).fileName());
    item_->setToolTip(reason_.isEmpty() ? hint : hint.arg(reason_));
}
