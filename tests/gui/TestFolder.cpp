#include "TestFolder.h"

#include "app/ScreenText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

namespace {

void writeBytes(const QString &path, const std::string &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        qFatal("cannot write test file %s", qPrintable(path));
}

std::string crlfLines(const QStringList &lines)
{
    std::string bytes;
    for (const QString &line : lines)
        bytes += fromScreen(line) + "\r\n";
    return bytes;
}

} // namespace

TestFolder::TestFolder()
{
    QDir(dir_.path()).mkdir(QStringLiteral("dizionari"));
}

QString TestFolder::path() const
{
    return dir_.path() + QLatin1Char('/');
}

void TestFolder::writeCatalogue(const QList<QStringList> &sections)
{
    QStringList lines;
    for (int section = 0; section < 9; ++section) {
        if (section < sections.size())
            lines += sections[section];
        lines += QStringLiteral("________________________");
    }
    writeCatalogueBytes(crlfLines(lines));
}

void TestFolder::writeCatalogueBytes(const std::string &bytes)
{
    writeBytes(path() + QStringLiteral("tutti_i_dizionari.txt"), bytes);
}

void TestFolder::writeDictionary(const QString &name, const QStringList &lines)
{
    writeDictionaryBytes(name, crlfLines(lines));
}

void TestFolder::writeDictionaryBytes(const QString &name, const std::string &bytes)
{
    writeBytes(path() + QStringLiteral("dizionari/") + name, bytes);
}

QString messageBoxShownBy(const std::function<void()> &action)
{
    return messageBoxShownBy(action, {});
}

QString messageBoxShownBy(const std::function<void()> &action, const std::function<void()> &whileShown)
{
    QString text;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible()) {
                if (text.isEmpty()) {
                    text = box->text();
                    if (whileShown)
                        whileShown();
                }
                box->done(QMessageBox::Ok);
            }
    });
    watcher.start();
    action();
    return text;
}
