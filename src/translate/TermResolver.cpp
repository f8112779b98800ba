#include "translate/TermResolver.h"

#include "dictionary/LineReader.h"
#include "dictionary/UpperCase.h"
#include "translate/TermSieve.h"

#include <iterator>
#include <map>

namespace zelvora {

namespace {

// The entries still wanted, by the number of their term in the resolution's
// index. Most term lines are none of them, and the sieve turns them away
// before the index is asked.
class PendingTerms {
public:
    PendingTerms(TextIndex &terms, std::size_t expected) : terms_(terms), sieve_(expected) {}

    // Asks for one more entry of the term.
    void insert(std::string_view term)
    {
        sieve_.insert(term);
        const TextIndex::Insertion insertion = terms_.insert(term);
        if (insertion.added)
            stillWanted_.push_back(0);
        if (stillWanted_[insertion.number]++ == 0)
            ++pending_;
    }

    bool empty() const { return pending_ == 0; }

    // Counts an entry of the term off: the term's number, or None when no entry of it is wanted.
    std::uint32_t take(std::string_view term)
    {
        if (!sieve_.mayHold(term))
            return TextIndex::None;
        const std::uint32_t number = terms_.find(term);
        if (number == TextIndex::None || stillWanted_[number] == 0)
            return TextIndex::None;
        if (--stillWanted_[number] == 0)
            --pending_;
        return number;
    }

private:
    TextIndex &terms_;
    TermSieve sieve_;
    std::vector<std::size_t> stillWanted_;
    std::size_t pending_ = 0;
};

const std::vector<std::string> NoMatches;

// The prefixes grouped by length, so that a term line is tested with one sieve
// test per distinct prefix length.
class PrefixTable {
public:
    explicit PrefixTable(StringMap<std::vector<std::string>> &matches) : sieve_(matches.size())
    {
        std::map<std::size_t, OfLength> byLength;
        for (auto &[prefix, found] : matches) {
            OfLength &ofLength = byLength[prefix.size()];
            ofLength.prefixes.insert(prefix);
            ofLength.matches.push_back(&found);
            sieve_.insert(prefix);
        }
        byLength_.assign(std::make_move_iterator(byLength.begin()), std::make_move_iterator(byLength.end()));
    }

    bool empty() const { return byLength_.empty(); }

    template <typename OnMatch> void match(std::string_view term, OnMatch &&onMatch) const
    {
        for (const auto &[length, ofLength] : byLength_) {
            if (term.size() < length)
                break;
            const std::string_view start = term.substr(0, length);
            if (!sieve_.mayHold(start))
                continue;
            if (const std::uint32_t number = ofLength.prefixes.find(start); number != TextIndex::None)
                onMatch(*ofLength.matches[number]);
        }
    }

private:
    // The prefixes of one length, and by their number where their matches go.
    struct OfLength {
        TextIndex prefixes;
        std::vector<std::vector<std::string> *> matches;
    };
    // By increasing length, walked for every term line.
    std::vector<std::pair<std::size_t, OfLength>> byLength_;
    TermSieve sieve_;
};

} // namespace

std::string_view Resolution::definitionOf(std::string_view term, std::size_t occurrence) const
{
    const std::uint32_t number = terms_.find(term);
    if (number == TextIndex::None || entries_[number].count == 0)
        return {};
    const Entries entries = entries_[number];
    const std::size_t at = occurrence >= 1 && occurrence <= entries.count ? occurrence - 1 : 0;
    return definitions_[entries.first + at];
}

const std::vector<std::string> &Resolution::matchesOf(std::string_view prefix) const
{
    const auto found = matches_.find(prefix);
    return found == matches_.end() ? NoMatches : found->second;
}

void Resolution::groupDefinitions(std::vector<std::string> &found, const std::vector<std::uint32_t> &termOfEach)
{
    entries_.assign(terms_.size(), {});
    for (const std::uint32_t number : termOfEach)
        ++entries_[number].count;
    std::size_t first = 0;
    for (Entries &ofTerm : entries_) {
        ofTerm.first = first;
        first += ofTerm.count;
    }
    std::vector<std::size_t> placed(entries_.size(), 0);
    definitions_.resize(found.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        const std::uint32_t number = termOfEach[i];
        definitions_[entries_[number].first + placed[number]++] = std::move(found[i]);
    }
}

Resolution resolveTerms(const std::string &dictionaryPath, const std::vector<std::string> &terms,
                        const std::vector<std::string> &prefixes, const TermLineWatcher &watcher,
                        std::size_t bufferSize)
{
    Resolution resolution;
    // With nothing to look up the dictionary is not even opened.
    if (terms.empty() && prefixes.empty() && !watcher)
        return resolution;
    resolution.terms_ = TextIndex(terms.size());
    PendingTerms pending(resolution.terms_, terms.size());
    for (const std::string &term : terms)
        pending.insert(term);
    for (const std::string &prefix : prefixes)
        resolution.matches_.try_emplace(prefix);
    const PrefixTable prefixTable(resolution.matches_);

    std::vector<std::string> watchedTerms;
    const auto watch = [&](std::string_view term) {
        const bool watching = watcher(term, watchedTerms);
        for (const std::string &watched : watchedTerms)
            pending.insert(watched);
        watchedTerms.clear();
        return watching;
    };

    LineReader reader(dictionaryPath, bufferSize);
    bool watching = false;
    if (watcher)
        watching = watch(reader.readLineView());
    else
        reader.skipLine(); // the header pair's term is never compared
    // The definitions found, in file order, and the number of the term of each.
    std::vector<std::string> found;
    std::vector<std::uint32_t> termOfEach;
    std::uint32_t awaiting = TextIndex::None; // the term whose definition the next line is
    while (awaiting != TextIndex::None || watching || !pending.empty() || !prefixTable.empty()) {
        // A definition; read at the end of the file it is empty.
        if (awaiting != TextIndex::None) {
            found.emplace_back(reader.readLineView());
            termOfEach.push_back(awaiting);
            awaiting = TextIndex::None;
        } else {
            reader.skipLine();
        }
        if (reader.atEnd())
            break; // no term line follows the last definition
        const std::string_view term = reader.readLineView();
        prefixTable.match(term, [&](std::vector<std::string> &matches) {
            std::string matched = toUpperFull(term);
            pending.insert(matched);
            matches.push_back(std::move(matched));
        });
        if (watching)
            watching = watch(term);
        awaiting = pending.take(term);
    }
    // Whatever is still pending was not found: it keeps the empty definition.
    resolution.groupDefinitions(found, termOfEach);
    return resolution;
}

} // namespace zelvora
