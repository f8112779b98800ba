#include "app/Form1.h"

#include "app/EditableComboBox.h"
#include "app/InformationGroup.h"
#include "app/PaneAids.h"
#include "app/ScreenText.h"
#include "app/StatusNotes.h"
#include "app/StatusTexts.h"
#include "app/TermListModel.h"
#include "dictionary/Catalogue.h"
#include "dictionary/Dictionary.h"
#include "dictionary/FileError.h"
#include "ui/CaptionComponent.h"
#include "ui/FileErrorBox.h"
#include "ui/Form1Captions.h"
#include "ui/MenuShortcutsFirst.h"
#include "ui/ProgressBar.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <optional>

Form1::Form1(const QString &appFolder, QWidget *parent) : QMainWindow(parent), AppFolder(appFolder)
{
    setObjectName(QStringLiteral("Form1"));
    createControls();
    connectControls();
    layOutControls();
    createMenus();
    createContextMenus();
    new CaptionComponent(this, "Lingue", form1CaptionTable());
    new PaneAids(this, [this] { return language(); });
    new InformationGroup(this, [this] { return language(); });
    letShortcutsReachTheMenu();
    FormCreate();
}

Language Form1::language() const
{
    return Panel1->text() == QStringLiteral("RICERCHE") ? Language::Italian : Language::English;
}

QString Form1::selectorText() const
{
    return ComboBox1->currentText();
}

int Form1::termCount() const
{
    return termList->rowCount();
}

void Form1::nameDictionaryWithoutLoading(const QString &name)
{
    ComboBox1->setEditText(name);
    setTermList({});
}

QString Form1::termBoxText() const
{
    return ComboBox2->currentText();
}

QString Form1::dictionaryPath(const QString &fileName) const
{
    return AppFolder + QStringLiteral("dizionari/") + fileName;
}

void Form1::letShortcutsReachTheMenu()
{
    QList<QKeySequence> shortcuts;
    for (const QAction *action : menuBar()->findChildren<QAction *>())
        if (!action->shortcut().isEmpty())
            shortcuts.append(action->shortcut());
    new MenuShortcutsFirst(this, shortcuts);
}

void Form1::FormCreate()
{
    CatalogFileName = QString::fromLatin1(zelvora::CatalogFileName);
    const bool catalogueRead = loadCatalogue();
    // The default dictionary is the current one even without a catalogue, so
    // that a lookup tries that file and names it if it fails.
    const QString defaultName = QString::fromLatin1(zelvora::DefaultDictionaryName);
    ComboBox1->setEditText(defaultName);
    CurrentDictPath = dictionaryPath(defaultName);
    if (catalogueRead && loadTermList(zelvora::TermRepeats::Keep))
        writeStatusLine();
    RxRichEdit2->clear();
}

bool Form1::loadCatalogue()
{
    ComboBox1->clear();
    ComboBox4->clear();
    ComboBox5->clear();
    std::vector<std::string> lines;
    try {
        lines = zelvora::readCatalogue(toLocalPath(AppFolder + CatalogFileName));
    } catch (const zelvora::FileError &error) {
        showFileError(error);
        return false;
    }
    const QStringList catalogue = toScreen(lines);
    ComboBox1->addItems(catalogue);
    ComboBox4->addItems(catalogue);
    ComboBox5->addItems(catalogue);

    ComboBox6->clear();
    ComboBox6->addItems(toScreen(zelvora::italianDictionaries(lines)));
    return true;
}

// The term list of the current dictionary; the same file, unchanged since it
// was read with the same rule, is not read again.
bool Form1::loadTermList(zelvora::TermRepeats repeats, const zelvora::EntryProgress &progress)
{
    try {
        termList->load(toLocalPath(CurrentDictPath), repeats, progress);
    } catch (const zelvora::FileError &error) {
        showFileError(error);
        return false;
    }
    showFirstTerm();
    return true;
}

void Form1::ComboBox1Change()
{
    ProgressBar1->setValue(0);
    CurrentDictPath = dictionaryPath(ComboBox1->currentText());
    // A dictionary the list holds, unchanged since it was read, needs neither counting nor reading.
    std::optional<std::size_t> entries = termList->entriesHeld(toLocalPath(CurrentDictPath),
                                                               zelvora::TermRepeats::DropConsecutive);
    if (!entries) {
        setTermList({});
        const QFileInfo file(CurrentDictPath);
        if (!file.exists() || file.isDir())
            return;
        try {
            entries = zelvora::countEntries(toLocalPath(CurrentDictPath));
        } catch (const zelvora::FileError &error) {
            showFileError(error);
            return;
        }
    }
    ProgressBar1->setMaximumCount(*entries);
    const bool loaded = loadTermList(zelvora::TermRepeats::DropConsecutive,
                                     [this](std::size_t read) { ProgressBar1->setCount(read); });
    if (!loaded)
        return;
    writeStatusLine();
    focusTermBox();
}

void Form1::setTermList(const std::vector<std::string> &terms)
{
    termList->setTerms(terms);
}

void Form1::showFirstTerm()
{
    ComboBox2->setEditText(termList->rowCount() > 1 ? termList->index(1).data().toString() : QString());
}

// The term box takes the focus with its text selected, so that typing replaces it.
void Form1::focusTermBox()
{
    ComboBox2->setFocus();
    ComboBox2->lineEdit()->selectAll();
}

qsizetype Form1::dictionaryCount() const
{
    std::vector<std::string> entries;
    for (int i = 0; i < ComboBox1->count(); ++i)
        entries.push_back(fromScreen(ComboBox1->itemText(i)));
    return static_cast<qsizetype>(zelvora::dictionaryCount(entries));
}

void Form1::writeStatusLine()
{
    GradButton4->setText(statusLine(language(), dictionaryCount(), termList->rowCount()));
}

void Form1::showFileError(const zelvora::FileError &error)
{
    ::showFileError(this, error, language());
}

void Form1::Button4Click()
{
    close();
}

void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // The main window is always maximised: a restore puts it back at once.
    if (event->type() == QEvent::WindowStateChange && isVisible() &&
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() | Qt::WindowMaximized); });
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!shownOnce) {
        shownOnce = true;
        focusTermBox();
    }
}
