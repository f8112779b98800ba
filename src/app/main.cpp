#include "app/Form1.h"
#include "app/Program.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvora 1.15"));
    // The desktop entry and the icon an install puts in the icon theme.
    QApplication::setDesktopFileName(QStringLiteral("org.zelvora.Zelvora"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.zelvora.Zelvora")));

    const QString appFolder = QFileInfo(QApplication::applicationFilePath()).canonicalPath() + QLatin1Char('/');
    Program program(appFolder);
    Form1 *mainWindow = program.form1();
    // Without a window manager a maximised state is never granted: fill the screen all the same.
    mainWindow->setGeometry(mainWindow->screen()->availableGeometry());
    mainWindow->showMaximized();
    return QApplication::exec();
}
