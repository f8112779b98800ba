#include "TestFolder.h"

#include "app/ScreenText.h"
#include "app/TermListModel.h"
#include "dictionary/FileError.h"

#include <QComboBox>
#include <QRandomGenerator>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

namespace {

// The rows a match found, by number.
QList<int> rowsOf(const QModelIndexList &found)
{
    QList<int> rows;
    for (const QModelIndex &index : found)
        rows += index.row();
    return rows;
}

// A dictionary of `entries` entries: the terms TERM0, TERM1... each defined as "x".
std::string dictionary(int entries)
{
    std::string bytes;
    for (int i = 0; i < entries; ++i)
        bytes += "TERM" + std::to_string(i) + "\r\nx\r\n";
    return bytes;
}

} // namespace

class TermListModelTest : public QObject {
    Q_OBJECT

private slots:
    // The term box asks the model for its text at the end of every edit: the
    // rows found on the bytes must be those a list of the decoded texts gives.
    void matchFindsWhatAListOfTheTextsFinds()
    {
        const QStringList pieces = {"", "a", "A", "à", "À", "€", "?", "CASA", "casa", "A B"};
        const QStringList asked = pieces + QStringList({"ĉ", "😀", "CAS"});
        const QList<Qt::MatchFlags> flagsTried = {
            Qt::MatchFixedString | Qt::MatchCaseSensitive, Qt::MatchFixedString | Qt::MatchCaseSensitive | Qt::MatchWrap,
            Qt::MatchFixedString, Qt::MatchStartsWith | Qt::MatchWrap};
        QRandomGenerator rng(52);
        for (int round = 0; round < 300; ++round) {
            QStringList texts;
            for (int n = rng.bounded(0, 12); n > 0; --n)
                texts += pieces[rng.bounded(pieces.size())];
            std::vector<std::string> terms;
            for (const QString &text : texts)
                terms.push_back(fromScreen(text));
            TermListModel model;
            model.setTerms(terms);
            QStringListModel plain(texts);
            QCOMPARE(model.rowCount(), plain.rowCount());
            if (texts.isEmpty())
                continue;
            const int start = rng.bounded(texts.size());
            const QString text = asked[rng.bounded(asked.size())];
            const int hits = QList<int>({1, 2, -1})[rng.bounded(3)];
            const Qt::MatchFlags flags = flagsTried[rng.bounded(flagsTried.size())];
            QCOMPARE(rowsOf(model.match(model.index(start), Qt::DisplayRole, text, hits, flags)),
                     rowsOf(plain.match(plain.index(start), Qt::DisplayRole, text, hits, flags)));
        }
    }

    void rowsAreTheTermsDecoded()
    {
        TermListModel model;
        model.setTerms(std::vector<std::string>{"CITT\xC0", "\x80", ""});
        QComboBox box;
        box.setModel(&model);
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.itemText(0), QStringLiteral("CITTÀ"));
        QCOMPARE(model.index(1).data(Qt::EditRole).toString(), QStringLiteral("€"));
        QCOMPARE(model.index(2).data().toString(), QString());
        QVERIFY(!model.index(0).data(Qt::ToolTipRole).isValid());
        QCOMPARE(model.rowCount(model.index(0)), 0);
        QCOMPARE(box.findText(QStringLiteral("€")), 1);
    }

    // A file that has settled and not changed since is not read again for the
    // same rule; any change, another rule or a failure makes the list read it.
    void onlyTheSameSettledFileIsKept()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("dizionario.txt"));
        writeFile(path, dictionary(10000));
        std::this_thread::sleep_for(std::chrono::milliseconds(3500));

        TermListModel model;
        int reports = 0;
        const zelvora::EntryProgress progress = [&reports](std::size_t) { ++reports; };
        const auto load = [&](zelvora::TermRepeats repeats) {
            reports = 0;
            return model.load(toLocalPath(path), repeats, progress);
        };
        using zelvora::TermRepeats;
        QCOMPARE(load(TermRepeats::Keep), std::size_t{10000});
        QCOMPARE(reports, 3); // read: a report every 4096 entries and one at the end
        QCOMPARE(load(TermRepeats::Keep), std::size_t{10000});
        QCOMPARE(reports, 1); // kept: one report of them all
        QVERIFY(model.entriesHeld(toLocalPath(path), TermRepeats::Keep));
        QVERIFY(!model.entriesHeld(toLocalPath(path), TermRepeats::DropConsecutive));
        load(TermRepeats::DropConsecutive);
        QCOMPARE(reports, 3);

        // The same size, other bytes: read again, and again while the change is fresh.
        writeFile(path, "NUOVO\r\n" + dictionary(10000).substr(7));
        QCOMPARE(load(TermRepeats::DropConsecutive), std::size_t{10000});
        QCOMPARE(reports, 3);
        QCOMPARE(model.index(0).data().toString(), QStringLiteral("NUOVO"));
        load(TermRepeats::DropConsecutive);
        QCOMPARE(reports, 3);

        // A term list set by hand belongs to no file; a failed load holds what it read.
        model.setTerms(std::vector<std::string>{"UNO"});
        QVERIFY(!model.entriesHeld(toLocalPath(path), TermRepeats::DropConsecutive));
        QVERIFY(QFile::remove(path));
        QVERIFY_THROWS_EXCEPTION(zelvora::FileError, load(TermRepeats::Keep));
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_MAIN(TermListModelTest)
#include "TermListModelTest.moc"
