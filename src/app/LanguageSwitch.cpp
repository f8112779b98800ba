#include "app/LanguageSwitch.h"

#include "app/Form1.h"
#include "app/InformationGroup.h"
#include "app/PaneAids.h"
#include "app/StatusTexts.h"
#include "ui/CaptionComponent.h"
#include "ui/ChildNamed.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

// The one helper of this kind that `window` holds.
template <typename T> T *helperOf(QWidget *window)
{
    T *helper = window->findChild<T *>(QString(), Qt::FindDirectChildrenOnly);
    if (!helper)
        qFatal("%s has no %s", qPrintable(window->objectName()), T::staticMetaObject.className());
    return helper;
}

} // namespace

LanguageSwitch::LanguageSwitch(Form1 &form1, QWidget *form2, QWidget *form3, QWidget *form4, QWidget *form7)
    : QObject(&form1),
      form1_(form1),
      Lingue(childNamed<CaptionComponent>(&form1, "Lingue")),
      Lingue2(childNamed<CaptionComponent>(form2, "Lingue2")),
      Lingue3(childNamed<CaptionComponent>(form3, "Lingue3")),
      Lingue4(childNamed<CaptionComponent>(form4, "Lingue4")),
      Lingue7(childNamed<CaptionComponent>(form7, "Lingue7")),
      paneAids_(helperOf<PaneAids>(&form1)),
      informationGroup_(helperOf<InformationGroup>(&form1)),
      GradButton4(childNamed<QLabel>(&form1, "GradButton4"))
{
    connect(childNamed<QAbstractButton>(&form1, "Image1"), &QAbstractButton::clicked, this,
            &LanguageSwitch::Image1Click);
    connect(childNamed<QAbstractButton>(&form1, "Image2"), &QAbstractButton::clicked, this,
            &LanguageSwitch::Image2Click);
}

void LanguageSwitch::Image1Click()
{
    switchTo(CaptionComponent::languageNames()[0]);
}

void LanguageSwitch::Image2Click()
{
    switchTo(CaptionComponent::languageNames()[1]);
}

void LanguageSwitch::switchTo(const QString &languageName)
{
    // The main window's table captions the information items as if the
    // fields were shown; they are given back the state they had.
    const bool informationShown = informationGroup_->shown();
    const Language before = Lingue->language();

    Lingue->setLanguageName(languageName);
    Lingue2->setLanguageName(languageName);
    for (CaptionComponent *component : {Lingue3, Lingue4, Lingue7})
        component->setLanguageName(Lingue2->languageName());

    const Language language = Lingue->language();
    paneAids_->writeCursorLabelWords();
    GradButton4->setText(switchedStatusLine(language, form1_.dictionaryCount(), form1_.termCount()));
    paneAids_->writeLineCounter();
    if (language != before)
        informationGroup_->writeCaptions(informationShown, language);
}
