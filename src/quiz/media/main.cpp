// zelvora-quiz-media FOLDER: draws and synthesises the quiz's pictures and
// sounds into FOLDER. The build runs it and puts them beside the program.

#include "quiz/media/Pictures.h"
#include "quiz/media/Sounds.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder) || !writePictures(folder) || !writeSounds(argv[1])) {
        std::fprintf(stderr, "%s: cannot write the quiz's pictures and sounds into %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
