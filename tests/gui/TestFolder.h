#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <string>

// A program folder of test data: the catalogue and the dictionaries, written
// as raw bytes (Windows-1252, CR LF) into a temporary folder.
class TestFolder {
public:
    TestFolder();

    // The folder as the program takes it, ending with "/".
    QString path() const;

    // A catalogue of nine sections; `sections` are the file names of each,
    // missing sections are empty.
    void writeCatalogue(const QList<QStringList> &sections);
    void writeCatalogueBytes(const std::string &bytes);
    // A dictionary from its term/definition pairs (header pair first), CR LF.
    void writeDictionary(const QString &name, const QStringList &lines);
    void writeDictionaryBytes(const QString &name, const std::string &bytes);

private:
    QTemporaryDir dir_;
};

// Runs `action` and returns the text of the first message box it shows, which
// is then closed; empty when none was shown.
QString messageBoxShownBy(const std::function<void()> &action);
// The same, running `whileShown` once while the box is up, before it is closed.
QString messageBoxShownBy(const std::function<void()> &action, const std::function<void()> &whileShown);
