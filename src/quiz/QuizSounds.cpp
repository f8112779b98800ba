#include "quiz/QuizSounds.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

QSoundEffect *soundOf(const QString &path, QObject *parent)
{
    auto *sound = new QSoundEffect(parent);
    sound->setSource(QUrl::fromLocalFile(path));
    return sound;
}

} // namespace

QuizSounds::QuizSounds(const QString &folder, QObject *parent) : QObject(parent)
{
    for (std::size_t i = 0; i < RightSounds; ++i)
        right_[i] = soundOf(folder + QStringLiteral("si%1.wav").arg(i + 1), this);
    wrong_ = soundOf(folder + QStringLiteral("no.wav"), this);
}

void QuizSounds::playRight(std::size_t which)
{
    play(right_[which % RightSounds]);
}

void QuizSounds::playWrong()
{
    play(wrong_);
}

void QuizSounds::play(QSoundEffect *sound)
{
    for (QSoundEffect *other : right_)
        other->stop();
    wrong_->stop();
    sound->play();
}
