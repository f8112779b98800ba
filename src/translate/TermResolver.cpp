#include "translate/TermResolver.h"

#include "dictionary/LineReader.h"
#include "dictionary/UpperCase.h"

#include <map>

namespace zelvora {

namespace {

// The entries still wanted, by term. Most term lines have a length no wanted
// term has, and are passed over without hashing them.
class PendingTerms {
public:
    // Asks for one more entry of the term.
    void insert(std::string term)
    {
        if (term.size() >= lengths_.size())
            lengths_.resize(term.size() + 1);
        lengths_[term.size()] = true;
        ++wanted_[std::move(term)];
    }

    bool empty() const { return wanted_.empty(); }

    // Counts an entry of the term off; false when none is wanted.
    bool take(std::string_view term)
    {
        if (term.size() >= lengths_.size() || !lengths_[term.size()])
            return false;
        const auto found = wanted_.find(term);
        if (found == wanted_.end())
            return false;
        if (--found->second == 0)
            wanted_.erase(found);
        return true;
    }

private:
    StringMap<std::size_t> wanted_;
    std::vector<bool> lengths_;
};

const std::string NoDefinition;
const std::vector<std::string> NoMatches;

// The prefixes grouped by length, so that a term line is tested with one hash
// lookup per distinct prefix length.
class PrefixTable {
public:
    explicit PrefixTable(StringMap<std::vector<std::string>> &matches)
    {
        for (auto &[prefix, found] : matches)
            byLength_[prefix.size()].emplace(prefix, &found);
    }

    bool empty() const { return byLength_.empty(); }

    template <typename OnMatch> void match(std::string_view term, OnMatch &&onMatch) const
    {
        for (const auto &[length, prefixes] : byLength_) {
            if (term.size() < length)
                break;
            if (const auto found = prefixes.find(term.substr(0, length)); found != prefixes.end())
                onMatch(*found->second);
        }
    }

private:
    std::map<std::size_t, StringMap<std::vector<std::string> *>> byLength_;
};

} // namespace

const std::string &Resolution::definitionOf(std::string_view term, std::size_t occurrence) const
{
    const auto found = definitions_.find(term);
    if (found == definitions_.end())
        return NoDefinition;
    const std::vector<std::string> &entries = found->second;
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
    PendingTerms pending;
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
    std::string awaitingDefinition;
    bool awaiting = false;
    while (awaiting || watching || !pending.empty() || !prefixTable.empty()) {
        // A definition; read at the end of the file it is empty.
        if (awaiting) {
            resolution.definitions_[awaitingDefinition].emplace_back(reader.readLineView());
            awaiting = false;
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
        if (pending.take(term)) {
            awaitingDefinition = term;
            awaiting = true;
        }
    }
    // Whatever is still pending was not found: it keeps the empty definition.
    return resolution;
}

} // namespace zelvora
