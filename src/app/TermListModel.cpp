#include "app/TermListModel.h"

#include "app/ScreenText.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <exception>

int TermListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(std::min<std::size_t>(terms_.size(), INT_MAX));
}

QVariant TermListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return toScreen(terms_[static_cast<std::size_t>(index.row())]);
}

QModelIndexList TermListModel::match(const QModelIndex &start, int role, const QVariant &value, int hits,
                                     Qt::MatchFlags flags) const
{
    const bool exact = (flags & Qt::MatchTypeMask) == Qt::MatchFixedString && (flags & Qt::MatchCaseSensitive);
    if (!exact || (role != Qt::DisplayRole && role != Qt::EditRole) || value.typeId() != QMetaType::QString ||
        start.model() != this)
        return QAbstractListModel::match(start, role, value, hits, flags);
    const QString text = value.toString();
    const std::string bytes = fromScreen(text);
    QModelIndexList fromStart;
    QModelIndexList beforeStart;
    // A text with a character Windows-1252 lacks is no term.
    if (toScreen(bytes) != text)
        return fromStart;
    const std::size_t rows = static_cast<std::size_t>(rowCount());
    const std::size_t first = static_cast<std::size_t>(start.row());
    const auto enough = [hits](const QModelIndexList &found) { return hits >= 0 && found.size() >= hits; };
    std::size_t row = 0;
    for (auto term = terms_.begin(); row < rows && !enough(fromStart); ++term, ++row) {
        if (*term != bytes)
            continue;
        if (row >= first)
            fromStart.append(index(static_cast<int>(row)));
        else if (flags & Qt::MatchWrap)
            beforeStart.append(index(static_cast<int>(row)));
    }
    fromStart.append(beforeStart);
    if (hits >= 0 && fromStart.size() > hits)
        fromStart.resize(hits);
    return fromStart;
}

void TermListModel::setTerms(zelvora::TermList terms)
{
    beginResetModel();
    terms_ = std::move(terms);
    source_.reset();
    endResetModel();
}

std::optional<std::size_t> TermListModel::entriesHeld(const std::string &path, zelvora::TermRepeats repeats) const
{
    if (!source_ || source_->path != path || source_->repeats != repeats || zelvora::stampOf(path) != source_->stamp)
        return std::nullopt;
    return source_->entries;
}

std::size_t TermListModel::load(const std::string &path, zelvora::TermRepeats repeats,
                                const zelvora::EntryProgress &progress)
{
    if (const std::optional<std::size_t> held = entriesHeld(path, repeats)) {
        // The views start afresh, as after a reading: the term box goes back to the first row.
        beginResetModel();
        endResetModel();
        if (progress)
            progress(*held);
        return *held;
    }
    // The stamp is taken first: a change while the file is read makes the next load read it again.
    const std::optional<zelvora::FileStamp> stamp = zelvora::stampOf(path);
    const bool settled = stamp && zelvora::isSettled(*stamp, std::chrono::system_clock::now());
    zelvora::TermList terms;
    std::size_t entries = 0;
    std::exception_ptr failure;
    try {
        entries = zelvora::readTerms(path, repeats, terms, progress);
    } catch (...) {
        failure = std::current_exception();
    }
    terms.shrinkToFit();
    setTerms(std::move(terms));
    if (failure)
        std::rethrow_exception(failure);
    if (settled)
        source_ = Source{path, *stamp, repeats, entries};
    return entries;
}
