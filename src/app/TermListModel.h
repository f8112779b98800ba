#pragma once

#include "dictionary/Dictionary.h"
#include "dictionary/FileStamp.h"
#include "dictionary/TermList.h"

#include <QAbstractListModel>

#include <optional>
#include <string>

// The term list, as the model of the term box: the dictionary's term bytes,
// decoded for the screen only for the rows a view asks for. It remembers which
// state of which file it was read from, so that the same file, unchanged, is
// not read again (a file changed in the last few seconds is always read).
class TermListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The term box looks its text up among the rows whenever an edit of it ends:
    // the exact, case-sensitive match it asks for is found on the bytes.
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits = 1,
                          Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)) const override;

    const zelvora::TermList &terms() const { return terms_; }
    // Terms that come from no file.
    void setTerms(zelvora::TermList terms);

    // The number of entries of the dictionary file (a path in the system's
    // encoding) when the list holds its terms as read with this rule from the
    // file as it is now.
    std::optional<std::size_t> entriesHeld(const std::string &path, zelvora::TermRepeats repeats) const;
    // Reads the dictionary's terms, unless the list holds them already (then
    // `progress` hears of all the entries at once); returns the number of
    // entries. Throws FileError, the list then holding what was read before.
    std::size_t load(const std::string &path, zelvora::TermRepeats repeats, const zelvora::EntryProgress &progress);

private:
    // The file and the rule the terms were read with.
    struct Source {
        std::string path;
        zelvora::FileStamp stamp;
        zelvora::TermRepeats repeats;
        std::size_t entries;
    };

    zelvora::TermList terms_;
    std::optional<Source> source_;
};
