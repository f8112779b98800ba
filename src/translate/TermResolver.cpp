#include "translate/TermResolver.h"

#include "dictionary/LineReader.h"
#include "dictionary/UpperCase.h"
#include "translate/TermSieve.h"

#include <iterator>
#include <map>

namespace zelvora {

namespace {

// The entries still wanted, by term, and the definitions found. Most term
// lines are none of them, and the sieve turns them away without hashing them.
class PendingTerms {
public:
    PendingTerms(StringMap<Resolution::TermEntries> &entries, std::size_t expected)
        : entries_(entries), sieve_(expected)
    {
        entries_.reserve(expected);
    }

    // Asks for one more entry of the term.
    void insert(std::string term)
    {
        sieve_.insert(term);
        if (entries_[std::move(term)].stillWanted++ == 0)
            ++pending_;
    }

    bool empty() const { return pending_ == 0; }

    // Counts an entry of the term off: where its definition goes, or null when none is wanted.
    std::vector<std::string> *take(std::string_view term)
    {
        if (!sieve_.mayHold(term))
            return nullptr;
        const auto found = entries_.find(term);
        if (found == entries_.end() || found->second.stillWanted == 0)
            return nullptr;
        if (--found->second.stillWanted == 0)
            --pending_;
        return &found->second.definitions;
    }

private:
    StringMap<Resolution::TermEntries> &entries_;
    TermSieve sieve_;
    std::size_t pending_ = 0;
};

const std::string NoDefinition;
const std::vector<std::string> NoMatches;

// The prefixes grouped by length, so that a term line is tested with one hash
// lookup per distinct prefix length.
class PrefixTable {
public:
    explicit PrefixTable(StringMap<std::vector<std::string>> &matches) : sieve_(matches.size())
    {
        std::map<std::size_t, StringMap<std::vector<std::string> *>> byLength;
        for (auto &[prefix, found] : matches) {
            byLength[prefix.size()].emplace(prefix, &found);
            sieve_.insert(prefix);
        }
        byLength_.assign(std::make_move_iterator(byLength.begin()), std::make_move_iterator(byLength.end()));
    }

    bool empty() const { return byLength_.empty(); }

    template <typename OnMatch> void match(std::string_view term, OnMatch &&onMatch) const
    {
        for (const auto &[length, prefixes] : byLength_) {
            if (term.size() < length)
                break;
            const std::string_view start = term.substr(0, length);
            if (!sieve_.mayHold(start))
                continue;
            if (const auto found = prefixes.find(start); found != prefixes.end())
                onMatch(*found->second);
        }
    }

private:
    // By increasing length, walked for every term line.
    std::vector<std::pair<std::size_t, StringMap<std::vector<std::string> *>>> byLength_;
    TermSieve sieve_;
};

} // namespace

const std::string &Resolution::definitionOf(std::string_view term, std::size_t occurrence) const
{
    const auto found = definitions_.find(term);
    if (found == definitions_.end() || found->second.definitions.empty())
        return NoDefinition;
    const std::vector<std::string> &entries = found->second.definitions;
    return occurrence >= 1 && occurrence <= entries.size() ? entries[occurrence - 1] : entries.front();
}

const std::vector<std::string> &Resolution::matchesOf(std::string_view prefix) const
{
    const auto found = matches_.find(prefix);
    return found == matches_.end() ? NoMatches : found->second;
}

Resolution resolveTerms(const std::string &dictionaryPath, const std::vector<std::string> &terms,
                        const std::vector<std::string> &prefixes, const TermLineWatcher &watcher,
                        std::size_t bufferSize)
{
    Resolution resolution;
    // With nothing to look up the dictionary is not even opened.
    if (terms.empty() && prefixes.empty() && !watcher)
        return resolution;
    PendingTerms pending(resolution.definitions_, terms.size());
    for (const std::string &term : terms)
        pending.insert(term);
    for (const std::string &prefix : prefixes)
        resolution.matches_.try_emplace(prefix);
    const PrefixTable prefixTable(resolution.matches_);

    std::vector<std::string> watchedTerms;
    const auto watch = [&](std::string_view term) {
        const bool watching = watcher(term, watchedTerms);
        for (std::string &watched : watchedTerms)
            pending.insert(std::move(watched));
        watchedTerms.clear();
        return watching;
    };

    LineReader reader(dictionaryPath, bufferSize);
    bool watching = false;
    if (watcher)
        watching = watch(reader.readLineView());
    else
        reader.skipLine(); // the header pair's term is never compared
    std::vector<std::string> *awaiting = nullptr; // the definitions the next line goes to
    while (awaiting || watching || !pending.empty() || !prefixTable.empty()) {
        // A definition; read at the end of the file it is empty.
        if (awaiting) {
            awaiting->emplace_back(reader.readLineView());
            awaiting = nullptr;
        } else {
            reader.skipLine();
        }
        if (reader.atEnd())
            break; // no term line follows the last definition
        const std::string_view term = reader.readLineView();
        prefixTable.match(term, [&](std::vector<std::string> &found) {
            std::string matched = toUpperFull(term);
            pending.insert(matched);
            found.push_back(std::move(matched));
        });
        if (watching)
            watching = watch(term);
        awaiting = pending.take(term);
    }
    // Whatever is still pending was not found: it keeps the empty definition.
    return resolution;
}

} // namespace zelvora
