#include "app/InformationGroup.h"

#include "ui/Captions.h"
#include "ui/ChildNamed.h"

#include <QAction>
#include <QWidget>

namespace {

// The context-menu item's caption in each state; the "Utilità" item takes the
// same caption when it was clicked, and the same without its accelerator when
// the context-menu item was.
constexpr CaptionRow Captions[] = {
    {"Shown", "Nascondi le &informazioni", "No &info"},
    {"Hidden", "Visualizza le &informazioni", "&Info"},
};

} // namespace

InformationGroup::InformationGroup(QWidget *window, std::function<Language()> language)
    : QObject(window),
      language_(std::move(language)),
      Nascondileinformazioni1(childNamed<QAction>(window, "Nascondileinformazioni1")),
      Nascondileinformazioni2(childNamed<QAction>(window, "Nascondileinformazioni2"))
{
    for (const char *name : {"Panel2", "GradButton4", "GradButton1", "GradButton2", "GradButton3"})
        fields_.append(childNamed<QWidget>(window, name));
    for (const QAction *item : {Nascondileinformazioni1, Nascondileinformazioni2})
        connect(item, &QAction::triggered, this, [this, item] { toggle(item); });
}

bool InformationGroup::shown() const
{
    const QString caption = Nascondileinformazioni1->text();
    return caption == captionOf(Captions, "Shown", Language::Italian) ||
           caption == captionOf(Captions, "Shown", Language::English);
}

void InformationGroup::writeCaptions(bool shown, Language language)
{
    const QString caption = captionOf(Captions, shown ? "Shown" : "Hidden", language);
    Nascondileinformazioni1->setText(caption);
    Nascondileinformazioni2->setText(QString(caption).remove(QLatin1Char('&')));
}

void InformationGroup::toggle(const QAction *clicked)
{
    const bool showing = !shown();
    for (QWidget *field : fields_)
        field->setVisible(showing);
    writeCaptions(showing, language_());
    if (clicked == Nascondileinformazioni2)
        Nascondileinformazioni2->setText(Nascondileinformazioni1->text());
}
