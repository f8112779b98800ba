#include "search/ComplexSearchWindow.h"

#include "app/ScreenText.h"
#include "dictionary/Dictionary.h"
#include "dictionary/FileError.h"
#include "search/ComplexSearch.h"
#include "search/MainWindowState.h"
#include "ui/CaptionComponent.h"
#include "ui/FileErrorBox.h"
#include "ui/LongDropDownList.h"
#include "ui/UpperCaseEdit.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <climits>

namespace {

using zelvora::SearchField;

// The fields in the order of the field list's items.
constexpr std::array<SearchField, 3> Fields = {SearchField::Terms, SearchField::Definitions, SearchField::Both};

// A pass shorter than this shows its progress only when it ends: a repaint costs more than such a pass.
constexpr qint64 LongPassMs = 100;

template <typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

template <typename Control> void enlargeFont(Control *control, int points, bool bold = false)
{
    QFont font = control->font();
    font.setPointSize(font.pointSize() + points);
    font.setBold(bold);
    control->setFont(font);
}

int gaugeValue(std::size_t count)
{
    return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}

} // namespace

ComplexSearchWindow::ComplexSearchWindow(const ComplexSearchSetup &setup, const QString &appFolder,
                                         const MainWindowState &mainWindow, QWidget *parent)
    : QDialog(parent), setup_(setup), appFolder_(appFolder), mainWindow_(mainWindow)
{
    setObjectName(QString::fromLatin1(setup.name));
    setModal(true);
    createControls();
    layOutControls();
    captions_ = new CaptionComponent(this, setup.captionComponent, setup.captions);
    // Nothing is chosen until the user picks a field.
    ComboBox1->setCurrentIndex(-1);
}

void ComplexSearchWindow::createControls()
{
    Edit1 = named(new UpperCaseEdit(this), "Edit1");
    enlargeFont(Edit1, 3);

    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    enlargeFont(ComboBox1, 2);

    Button1 = named(new QPushButton(this), "Button1");
    Button2 = named(new QPushButton(this), "Button2");
    for (QPushButton *button : {Button1, Button2}) {
        button->setMinimumHeight(34);
        enlargeFont(button, 1, true);
    }
    // Return in the search text searches.
    Button1->setDefault(true);
    Button2->setAutoDefault(false);

    Gauge1 = named(new QProgressBar(this), "Gauge1");
    Gauge1->setRange(0, 1);
    Gauge1->setFormat(QStringLiteral("%v / %m"));
    Gauge1->setValue(0);

    ComboBox2 = named(new LongDropDownList(this), "ComboBox2");
    ComboBox2->setMaxVisibleItems(20);
    enlargeFont(ComboBox2, 3);

    RxRichEdit1 = named(new QPlainTextEdit(this), "RxRichEdit1");
    QFont paneFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    paneFont.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), paneFont.family()});
    paneFont.setPointSize(11);
    RxRichEdit1->setFont(paneFont);
    RxRichEdit1->setReadOnly(true);
    RxRichEdit1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    connect(Button1, &QPushButton::clicked, this, &ComplexSearchWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::close);
    connect(ComboBox2, &QComboBox::activated, this, &ComplexSearchWindow::ComboBox2Change);
}

void ComplexSearchWindow::layOutControls()
{
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(Edit1, 4);
    searchRow->addWidget(ComboBox1, 3);
    searchRow->addWidget(Button1, 1);
    searchRow->addWidget(Button2, 1);

    auto *resultRow = new QHBoxLayout;
    resultRow->addWidget(ComboBox2, 7);
    resultRow->addWidget(Gauge1, 2);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(10);
    column->addLayout(searchRow);
    column->addLayout(resultRow);
    column->addWidget(RxRichEdit1, 1);
}

QString ComplexSearchWindow::searchedFileName() const
{
    return setup_.fileName ? QString::fromLatin1(setup_.fileName) : mainWindow_.selectorText();
}

std::string ComplexSearchWindow::searchedPath() const
{
    return toLocalPath(appFolder_ + QStringLiteral("dizionari/") + searchedFileName());
}

// The field the list shows, by its name in either language.
SearchField ComplexSearchWindow::chosenField() const
{
    const QString chosen = ComboBox1->currentText();
    for (const Language language : {Language::Italian, Language::English}) {
        const qsizetype at = listOf(setup_.captions.lists, "ComboBox1.Items", language).indexOf(chosen);
        if (at >= 0 && at < qsizetype(Fields.size()))
            return Fields[static_cast<std::size_t>(at)];
    }
    return SearchField::None;
}

void ComplexSearchWindow::FormShow()
{
    try {
        entryCount_ = zelvora::countEntries(searchedPath());
    } catch (const zelvora::FileError &error) {
        showFileError(parentWidget(), error);
        return;
    }
    startGauge();
    if (!setup_.fileName) {
        const CaptionRow &title = *setup_.titleBeforeFileName;
        setWindowTitle(captionOf({&title, 1}, title.key, captions_->language()) + mainWindow_.selectorText());
        Edit1->setText(mainWindow_.termBoxText());
    }
    // Without a window manager a maximised state is never granted: fill the screen all the same.
    setGeometry(screen()->availableGeometry());
    showMaximized();
    Edit1->setFocus();
    ComboBox1->showPopup();
}

void ComplexSearchWindow::Button1Click()
{
    startGauge();
    results_.clear();
    ComboBox2->setItems({});
    const SearchField field = chosenField();
    try {
        zelvora::searchEntries(searchedPath(), fromScreen(Edit1->text()), field, results_, gaugeProgress());
    } catch (const zelvora::FileError &error) {
        ComboBox2->setItems(toScreen(results_));
        showFileError(this, error);
        return;
    }
    if (field != SearchField::None)
        setGauge(entryCount_);
    ComboBox2->setItems(toScreen(results_));
    ComboBox2->showPopup();
}

void ComplexSearchWindow::ComboBox2Change(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= results_.size())
        return;
    startGauge();
    RxRichEdit1->clear();
    zelvora::DefinitionSearch found;
    try {
        found = zelvora::findDefinition(searchedPath(), results_[static_cast<std::size_t>(index)], gaugeProgress());
    } catch (const zelvora::FileError &error) {
        showFileError(this, error);
        return;
    }
    setGauge(found.entries);
    if (found.definition)
        RxRichEdit1->setPlainText(toScreen(*found.definition));
}

void ComplexSearchWindow::startGauge()
{
    Gauge1->setValue(0);
    Gauge1->setMaximum(gaugeValue(entryCount_));
}

void ComplexSearchWindow::setGauge(std::size_t entries)
{
    Gauge1->setValue(std::min(gaugeValue(entries), Gauge1->maximum()));
}

// Moves the gauge as a pass goes on, once it has lasted long enough to be seen.
zelvora::EntryProgress ComplexSearchWindow::gaugeProgress()
{
    QElapsedTimer started;
    started.start();
    return [this, started](std::size_t entries) {
        if (started.elapsed() >= LongPassMs)
            setGauge(entries);
    };
}

void ComplexSearchWindow::showFileError(QWidget *parent, const zelvora::FileError &error)
{
    ::showFileError(parent, error, mainWindow_.language());
}

void ComplexSearchWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // The window is always maximised: a restore puts it back at once.
    if (event->type() == QEvent::WindowStateChange && isVisible() &&
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() | Qt::WindowMaximized); });
}
