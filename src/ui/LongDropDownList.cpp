#include "ui/LongDropDownList.h"

#include <QApplication>
#include <QListView>
#include <QProxyStyle>
#include <QStringListModel>

namespace {

class PlainDropDownStyle : public QProxyStyle {
public:
    PlainDropDownStyle() : QProxyStyle(QApplication::style()->name()) {}

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

LongDropDownList::LongDropDownList(QWidget *parent) : QComboBox(parent), items_(new QStringListModel(this))
{
    auto *style = new PlainDropDownStyle;
    style->setParent(this);
    setStyle(style);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(20);
    setModel(items_);
    if (auto *view = qobject_cast<QListView *>(this->view()))
        view->setUniformItemSizes(true);
}

void LongDropDownList::setItems(const QStringList &items)
{
    items_->setStringList(items);
    setCurrentIndex(-1);
}
