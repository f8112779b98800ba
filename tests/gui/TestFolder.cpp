#include "TestFolder.h"

#include "app/ScreenText.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

void writeFile(const QString &path, const std::string &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        qFatal("cannot write test file %s", qPrintable(path));
}

void writeFile(const QString &path, const QStringList &lines)
{
    std::string bytes;
    for (const QString &line : lines)
        bytes += fromScreen(line) + "\r\n";
    writeFile(path, bytes);
}

QStringList messageBoxesShownBy(const std::function<void()> &action, const std::function<void()> &whileFirstShown)
{
    QStringList texts;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible() && box->result() == 0) {
                if (texts.isEmpty() && whileFirstShown)
                    whileFirstShown();
                texts += box->text();
                box->done(QMessageBox::Ok);
            }
    });
    watcher.start(5);
    action();
    return texts;
}

QString messageBoxShownBy(const std::function<void()> &action, const std::function<void()> &whileShown)
{
    return messageBoxesShownBy(action, whileShown).value(0);
}
