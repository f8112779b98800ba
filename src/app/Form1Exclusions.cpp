// The main window's side of the exclusions: the active list and its reload.

#include "app/Form1.h"

#include "app/EditableComboBox.h"
#include "app/ScreenText.h"
#include "dictionary/Catalogue.h"
#include "dictionary/Dictionary.h"
#include "dictionary/FileError.h"
#include "ui/ProgressBar.h"

#include <QComboBox>

void Form1::setActiveList(const QStringList &lines)
{
    ComboBox5->clear();
    ComboBox5->addItems(lines);
}

bool Form1::Button17Click()
{
    ProgressBar1->setValue(0);
    QStringList active;
    for (int i = 0; i < ComboBox5->count(); ++i)
        active.append(ComboBox5->itemText(i));
    ComboBox1->clear();
    ComboBox1->addItems(active);
    const QString defaultName = QString::fromLatin1(zelvora::DefaultDictionaryName);
    ComboBox1->setEditText(defaultName);
    CurrentDictPath = dictionaryPath(defaultName);

    setTermList({});
    std::size_t entries = 0;
    try {
        entries = zelvora::countEntries(toLocalPath(CurrentDictPath));
    } catch (const zelvora::FileError &error) {
        showFileError(error);
        return false;
    }
    ProgressBar1->setMaximumCount(entries);
    if (!loadTermList(zelvora::TermRepeats::Keep, [this](std::size_t read) { ProgressBar1->setCount(read); }))
        return false;
    writeStatusLine();
    return true;
}
