#include "app/Form1.h"
#include "app/Program.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvora 1.15"));

    const QString appFolder = QFileInfo(QApplication::applicationFilePath()).canonicalPath() + QLatin1Char('/');
    Program program(appFolder);
    Form1 *mainWindow = program.form1();
    // Without a window manager a maximised state is never granted: fill the screen all the same.
    mainWindow->setGeometry(mainWindow->screen()->availableGeometry());
    mainWindow->showMaximized();
    return QApplication::exec();
}
