#include "app/Form2.h"

#include "app/ActiveListOwner.h"
#include "app/ScreenText.h"
#include "dictionary/Catalogue.h"
#include "dictionary/FileError.h"
#include "ui/CaptionComponent.h"
#include "ui/FileErrorBox.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr CaptionRow Captions[] = {
    {"TForm2", "Scelta dei dizionari", "Choice the dictionaries"},
    {"GradButton1", "CHIUDI", "CLOSE"},
};
constexpr CaptionRow Lists[] = {
    {"RxCheckListBox1.Items", "ESCLUDI I DIZIONARI INGLESI\nESCLUDI I DIZIONARI SECONDARI\nESCLUDI I GLOSSARI",
     "EXCLUDE THE ENGLISH DICTIONARIES\nEXCLUDE THE SECONDARY DICTIONARIES\nEXCLUDE THE GLOSSARIES"},
};
const CaptionTable Table{Captions, {}, Lists, {}};

// The size the window is drawn for, and that it snaps back to below half of it.
constexpr QSize DesignSize(568, 255);

enum Item { English, Secondary, Glossaries };

// A click anywhere on an item's row toggles its tick, not only on the box.
class TickOnRowClick : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override
    {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
            option.rect.contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
            const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            return model->setData(index, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        }
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
};

} // namespace

Form2::Form2(ActiveListOwner &mainWindow, QWidget *parent) : QDialog(parent), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("Form2"));
    setModal(true);

    RxCheckListBox1 = new QListWidget(this);
    RxCheckListBox1->setObjectName(QStringLiteral("RxCheckListBox1"));
    RxCheckListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    RxCheckListBox1->setItemDelegate(new TickOnRowClick(RxCheckListBox1));
    RxCheckListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RxCheckListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RxCheckListBox1->viewport()->installEventFilter(this);
    RxCheckListBox1->setMinimumSize(1, 1);
    GradButton1 = new QPushButton(this);
    GradButton1->setObjectName(QStringLiteral("GradButton1"));
    GradButton1->setDefault(true);
    // The window opens with the focus on "CHIUDI", no item marked as current.
    GradButton1->setFocus();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(GradButton1);
    auto *column = new QVBoxLayout(this);
    column->addWidget(RxCheckListBox1, 1);
    column->addLayout(buttons);

    // Its texts in either language; renaming the items leaves their ticks.
    new CaptionComponent(this, "Lingue2", Table);
    for (int i = 0; i < RxCheckListBox1->count(); ++i) {
        QListWidgetItem *item = RxCheckListBox1->item(i);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(GradButton1, &QPushButton::clicked, this, &Form2::GradButton1Click);
    FormCreate();
}

void Form2::FormCreate()
{
    designSize_ = DesignSize;
    resize(designSize_);
    scaleControls(1);
    AppFolder = mainWindow_.appFolder();
}

zelvora::Exclusions Form2::ticks() const
{
    const auto ticked = [this](Item item) { return RxCheckListBox1->item(item)->checkState() == Qt::Checked; };
    return {ticked(English), ticked(Secondary), ticked(Glossaries)};
}

void Form2::GradButton1Click()
{
    std::vector<std::string> active;
    try {
        active = zelvora::readActiveList(toLocalPath(AppFolder + QString::fromLatin1(zelvora::CatalogFileName)),
                                         ticks());
    } catch (const zelvora::FileError &error) {
        // The active list stays as it was, so the searches still walk it.
        showFileError(this, error, mainWindow_.language());
        return;
    }
    mainWindow_.setActiveList(toScreen(active));
    if (mainWindow_.Button17Click())
        accept();
}

// Below half the design size the window takes its design size back.
void Form2::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const QSize size = event->size();
    if (size.width() < designSize_.width() / 2 || size.height() < designSize_.height() / 2) {
        resize(designSize_);
        return;
    }
    scaleControls(std::min(double(size.width()) / designSize_.width(), double(size.height()) / designSize_.height()));
}

// Text, button and margins keep their proportion to the window.
void Form2::scaleControls(double scale)
{
    const auto scaled = [scale](int designPixels) { return std::max(1, int(designPixels * scale + 0.5)); };
    QFont text = font();
    text.setPixelSize(scaled(15));
    RxCheckListBox1->setFont(text);
    GradButton1->setFont(text);
    GradButton1->setMinimumSize(scaled(120), scaled(30));
    layout()->setContentsMargins(scaled(14), scaled(14), scaled(14), scaled(14));
    layout()->setSpacing(scaled(12));
}

// The three items share the list's height between them.
bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RxCheckListBox1->viewport() && event->type() == QEvent::Resize) {
        const int rowHeight = static_cast<QResizeEvent *>(event)->size().height() / RxCheckListBox1->count();
        for (int i = 0; i < RxCheckListBox1->count(); ++i)
            RxCheckListBox1->item(i)->setSizeHint(QSize(0, rowHeight));
    }
    return QDialog::eventFilter(watched, event);
}
