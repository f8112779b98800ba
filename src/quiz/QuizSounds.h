#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>

class QSoundEffect;

// The quiz's sounds, read once from the program folder and played without
// waiting; a new sound stops the one still playing. A missing file or no audio
// device only means silence.
class QuizSounds : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t RightSounds = 4;

    QuizSounds(const QString &folder, QObject *parent = nullptr);

    // Plays "si1.wav" to "si4.wav" for `which` from 0 to 3.
    void playRight(std::size_t which);
    // Plays "no.wav".
    void playWrong();

private:
    void play(QSoundEffect *sound);

    std::array<QSoundEffect *, RightSounds> right_{};
    QSoundEffect *wrong_ = nullptr;
};
