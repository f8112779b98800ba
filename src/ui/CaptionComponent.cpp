#include "ui/CaptionComponent.h"

#include <QWidget>

namespace {

const QStringList LanguageNames = {QStringLiteral("Italiano"), QStringLiteral("English")};

} // namespace

CaptionComponent::CaptionComponent(QWidget *window, const char *name, const CaptionTable &table)
    : QObject(window), window_(window), table_(table)
{
    setObjectName(QString::fromLatin1(name));
    applyCaptionTable(window_, table_, language());
}

QStringList CaptionComponent::languageNames()
{
    return LanguageNames;
}

QString CaptionComponent::languageName() const
{
    return LanguageNames[number_ - 1];
}

Language CaptionComponent::language() const
{
    return number_ == 1 ? Language::Italian : Language::English;
}

void CaptionComponent::setLanguageName(const QString &name)
{
    if (name == languageName())
        return;
    const qsizetype at = LanguageNames.indexOf(name);
    if (at < 0)
        throw LanguageError("Language name shall be included in LangNames property!");
    setLanguageNumber(int(at) + 1);
}

void CaptionComponent::setLanguageNumber(int number)
{
    const auto count = int(LanguageNames.size());
    if (number < 1 || number > count)
        throw LanguageError(QStringLiteral("%1 - is not a valid property value!\rValue must be within [1..%2]!")
                                .arg(number)
                                .arg(count)
                                .toStdString());
    if (number == number_)
        return;
    number_ = number;
    applyCaptionTable(window_, table_, language());
}
