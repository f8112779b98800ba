#include "import/MergeTerms.h"

#include "dictionary/UpperCase.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace zelvora::dictd {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool isCapital(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }

bool isName(std::string_view item) { return !item.empty() && isCapital(static_cast<unsigned char>(item.front())); }

// A sense of translations that are all names: "Arabian Sea", "Rome".
bool isNameSense(const Entry &entry, const Sense &sense)
{
    return entry.translations && !sense.items.empty() && std::all_of(sense.items.begin(), sense.items.end(), isName);
}

std::string senseKey(const Sense &sense)
{
    std::string key;
    for (const std::string &item : sense.items)
        key += itemKey(item) + '\n';
    return key + itemKey(sense.note);
}

std::string pairKey(std::string_view term, std::string_view key) { return std::string(term) + '\t' + std::string(key); }

// Calls visit() with each run of whole words that `words` starts with, shorter
// than it: "ALLA" and "ALLA FINE" for "ALLA FINE DEL".
template <typename Visit>
void forEachShorter(std::string_view words, Visit &&visit)
{
    for (std::size_t space = words.find(' '); space != std::string_view::npos; space = words.find(' ', space + 1))
        visit(words.substr(0, space));
}

// Keeps the items `keep` says yes to; drops the senses that so lose all their items.
template <typename Keep>
void keepItems(Entry &entry, Keep &&keep)
{
    std::erase_if(entry.senses, [&](Sense &sense) {
        const bool had = !sense.items.empty();
        std::erase_if(sense.items, [&](const std::string &item) { return !keep(sense, item); });
        return had && sense.items.empty();
    });
}

// Dictionaries of both directions made from one list of pairs can key an
// expression on its first word on both sides: "alla = at last" and "at = alla
// fine" are the halves of "alla fine = at last". Read against each other, they
// give the expression back. A direct translation that the other direction
// gives to a longer term starting with this one ("ogni = daily" beside "daily
// = ogni giorno"), or whose first word it gives to one ("alla = at last"
// beside "at = alla fine"), moves to that longer term, or is dropped where
// several longer terms could be meant; what the other direction gives to the
// term itself stays. An inverse translation that is the first words of a
// direct one is the other half: "alla fine = at" beside "alla = at last",
// "incinta = with" beside "incinta = with child"; it is dropped unless the
// direct side gives it too. Returns whether it added entries (which then need
// sorting into place).
bool rekeyExpressions(std::vector<Entry> &entries, MergeCounts &counts)
{
    std::unordered_set<std::string> direct, inverse;
    std::unordered_set<std::string> halves; // "INCINTA\tWITH", "ALLA FINE\tAT": the inverse's halves of a pair
    std::unordered_map<std::string, std::vector<std::string>> longer; // "ALLA\tAT" to "ALLA FINE"
    for (const Entry &entry : entries) {
        const bool isDirect = entry.standing == Standing::Direct;
        if (!entry.translations || (!isDirect && entry.standing != Standing::Inverse))
            continue;
        for (const Sense &sense : entry.senses) {
            for (const std::string &item : sense.items) {
                const std::string key = itemKey(item);
                if (isDirect) {
                    direct.insert(pairKey(entry.term, key));
                    forEachShorter(key, [&](std::string_view words) { halves.insert(pairKey(entry.term, words)); });
                } else {
                    inverse.insert(pairKey(entry.term, key));
                    forEachShorter(entry.term, [&](std::string_view words) {
                        std::vector<std::string> &terms = longer[pairKey(words, key)];
                        if (std::find(terms.begin(), terms.end(), entry.term) == terms.end())
                            terms.push_back(entry.term);
                    });
                }
            }
        }
    }
    std::vector<Entry> moved;
    std::unordered_map<std::string, std::size_t> movedFrom; // "A\tA ROVESCIO" to its entry in `moved`
    for (Entry &entry : entries) {
        if (!entry.translations || entry.standing != Standing::Direct)
            continue;
        keepItems(entry, [&](const Sense &sense, const std::string &item) {
            const std::string key = itemKey(item);
            if (inverse.count(pairKey(entry.term, key)))
                return true;
            auto found = longer.find(pairKey(entry.term, key));
            const std::size_t space = key.find(' ');
            if (found == longer.end() && space != std::string::npos) {
                const std::string_view first = std::string_view(key).substr(0, space);
                found = longer.find(pairKey(entry.term, first));
                if (found != longer.end())
                    for (const std::string &term : found->second)
                        halves.insert(pairKey(term, first));
            }
            if (found == longer.end())
                return true;
            if (found->second.size() > 1) {
                ++counts.unsound;
            } else {
                ++counts.moved;
                // What one term gives to another is one sense there.
                const std::string &term = found->second.front();
                const auto [at, added] = movedFrom.try_emplace(pairKey(entry.term, term), moved.size());
                if (added)
                    moved.push_back(Entry{term, Standing::Direct, true, {Sense{sense.partOfSpeech, {}, {}, {}}}, {}});
                std::vector<std::string> &items = moved[at->second].senses.front().items;
                if (std::find(items.begin(), items.end(), item) == items.end())
                    items.push_back(item);
            }
            return false;
        });
    }
    for (Entry &entry : entries)
        if (entry.translations && entry.standing == Standing::Inverse)
            keepItems(entry, [&](const Sense &, const std::string &item) {
                const std::string key = pairKey(entry.term, itemKey(item));
                const bool half = halves.count(key) && !direct.count(key);
                counts.unsound += half;
                return !half;
            });
    entries.insert(entries.end(), std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()));
    return !moved.empty();
}

// The entries of one term, and what the merge needs to know of the others.
class TermMerger {
public:
    TermMerger(const MergeOptions &options, MergeCounts &counts) : options_(options), counts_(counts) {}

    std::string definition(std::vector<Entry> &group)
    {
        counts_.merged += group.size() - 1;
        if (options_.dropUnsound)
            dropUnsound(group);
        std::vector<Placed> placed = place(group);
        std::vector<Sense> senses;
        // What each entry showed first: a repeat within one entry is the source's own.
        std::unordered_map<std::string, const Entry *> seen;
        auto repeated = [&](const std::string &key, const Entry *entry) {
            const auto [first, added] = seen.try_emplace(key, entry);
            return !added && first->second != entry;
        };
        bool dropped = false;
        for (Placed &p : placed) {
            Sense &sense = *p.sense;
            if (p.entry->translations) {
                std::vector<std::string> kept;
                for (std::string &item : sense.items) {
                    if (!repeated(itemKey(item), p.entry))
                        kept.push_back(std::move(item));
                    else
                        ++counts_.repeats, dropped = true;
                }
                sense.items = std::move(kept);
                if (sense.items.empty() && (sense.note.empty() || repeated("(" + itemKey(sense.note), p.entry))) {
                    dropped = true;
                    continue;
                }
            } else if (repeated(senseKey(sense), p.entry)) {
                ++counts_.repeats, dropped = true;
                continue;
            }
            senses.push_back(std::move(sense));
        }
        if (group.size() == 1 && !dropped && !group.front().alone.empty())
            return group.front().alone;
        return joinSenses(senses);
    }

private:
    struct Placed {
        int rank;
        int strength; // the support of its best translation, where it is weighed
        Entry *entry;
        Sense *sense;
    };

    bool has(const std::vector<Entry> &group, Standing standing, const std::string &key) const
    {
        for (const Entry &entry : group)
            if (entry.standing == standing)
                for (const Sense &sense : entry.senses)
                    for (const std::string &item : sense.items)
                        if (itemKey(item) == key)
                            return true;
        return false;
    }

    void dropUnsound(std::vector<Entry> &group)
    {
        const std::string &term = group.front().term;
        const bool oneWord = term.find(' ') == std::string::npos;
        bool hasCommonSense = false;
        for (const Entry &entry : group)
            if (entry.standing != Standing::Via)
                for (const Sense &sense : entry.senses)
                    for (const std::string &item : sense.items)
                        hasCommonSense = hasCommonSense || (entry.translations && !isName(item));
        for (Entry &entry : group) {
            if (entry.standing == Standing::Via && hasCommonSense) {
                // "THE = Olanda" through "the Netherlands": a name another language's words lead to
                for (Sense &sense : entry.senses)
                    counts_.unsound += std::erase_if(sense.items, isName);
                std::erase_if(entry.senses, [](const Sense &sense) { return sense.items.empty(); });
                continue;
            }
            if (!entry.translations || (entry.standing != Standing::Direct && entry.standing != Standing::Inverse))
                continue;
            for (Sense &sense : entry.senses) {
                std::erase_if(sense.items, [&](const std::string &item) {
                    const std::string key = itemKey(item);
                    const bool unsound = oneWord && hasCommonSense && isName(item) && key.find(' ') != std::string::npos;
                    counts_.unsound += unsound;
                    return unsound;
                });
            }
            std::erase_if(entry.senses, [](const Sense &sense) { return sense.items.empty() && sense.note.empty(); });
        }
    }

    int support(const std::vector<Entry> &group, const std::string &key) const
    {
        const std::string &term = group.front().term;
        return options_.agreement(term, key) + (has(group, Standing::Direct, key) && has(group, Standing::Inverse, key));
    }

    // The senses in the order they are shown.
    std::vector<Placed> place(std::vector<Entry> &group)
    {
        std::vector<Placed> placed;
        for (Entry &entry : group) {
            for (Sense &sense : entry.senses) {
                int rank = static_cast<int>(entry.standing) * 2;
                int strength = 0;
                const bool weighed = options_.agreement && entry.translations &&
                                     (entry.standing == Standing::Direct || entry.standing == Standing::Inverse);
                if (weighed) {
                    std::vector<std::pair<int, std::string>> items;
                    for (std::string &item : sense.items)
                        items.emplace_back(support(group, itemKey(item)), std::move(item));
                    std::stable_sort(items.begin(), items.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
                    sense.items.clear();
                    for (auto &[agreeing, item] : items)
                        sense.items.push_back(std::move(item));
                    // Confirmed as the translations through other languages are.
                    const int wanted = std::max(2, (options_.strongest(group.front().term) + 1) / 2);
                    strength = items.empty() ? 0 : items.front().first;
                    const bool confirmed = strength >= wanted;
                    // Unconfirmed: after the senses found through other languages.
                    rank = confirmed ? static_cast<int>(entry.standing) * 2 : static_cast<int>(Standing::Via) * 2 + 1 +
                                                   static_cast<int>(entry.standing) - static_cast<int>(Standing::Direct);
                }
                if (isNameSense(entry, sense))
                    rank += 100;
                placed.push_back({rank, strength, &entry, &sense});
            }
        }
        // Senses of one standing: the best confirmed first, else in the order they came.
        std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
            return a.rank != b.rank ? a.rank < b.rank : a.strength > b.strength;
        });
        return placed;
    }

    const MergeOptions &options_;
    MergeCounts &counts_;
};

} // namespace

std::string itemKey(std::string_view item)
{
    std::string plain;
    int depth = 0;
    for (const char c : item) {
        if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        else if (depth == 0 && !(c == ' ' && (plain.empty() || plain.back() == ' ')))
            plain.push_back(c);
    }
    std::string key = toUpperFull(trimmed(plain));
    if (key.size() > 3 && key.compare(0, 3, "TO ") == 0)
        key.erase(0, 3);
    return key;
}

std::string joinSenses(const std::vector<Sense> &senses)
{
    std::string line;
    std::string label;
    for (std::size_t i = 0; i < senses.size(); ++i) {
        const Sense &sense = senses[i];
        std::string text;
        for (const std::string &item : sense.items)
            text += (text.empty() ? "" : ", ") + item;
        if (!sense.note.empty())
            text += (text.empty() ? "(" : " (") + sense.note + ")";
        if (!sense.via.empty())
            text += " (via " + sense.via + ")";
        if (text.empty())
            continue;
        std::string piece;
        if (!sense.partOfSpeech.empty() && sense.partOfSpeech != label) {
            piece = "(" + sense.partOfSpeech + ") ";
            label = sense.partOfSpeech;
        }
        if (senses.size() > 1)
            piece += std::to_string(i + 1) + ". ";
        piece += text;
        if (!line.empty()) {
            const char last = line.back();
            line += last == '.' || last == '!' || last == '?' || last == ':' || last == ';' ? " " : "; ";
        }
        line += piece;
    }
    return line;
}

std::vector<WrittenEntry> mergeEntries(std::vector<Entry> entries, const MergeOptions &options, MergeCounts &counts)
{
    const auto byTerm = [](const Entry &a, const Entry &b) { return a.term < b.term; };
    std::stable_sort(entries.begin(), entries.end(), byTerm);
    if (options.dropUnsound && rekeyExpressions(entries, counts))
        std::stable_sort(entries.begin(), entries.end(), byTerm);
    TermMerger merger(options, counts);
    std::vector<WrittenEntry> written;
    for (std::size_t start = 0; start < entries.size();) {
        std::size_t end = start + 1;
        while (end < entries.size() && entries[end].term == entries[start].term)
            ++end;
        std::vector<Entry> group(std::make_move_iterator(entries.begin() + static_cast<std::ptrdiff_t>(start)),
                                 std::make_move_iterator(entries.begin() + static_cast<std::ptrdiff_t>(end)));
        std::string definition = merger.definition(group);
        if (!definition.empty())
            written.push_back({group.front().term, std::move(definition)});
        start = end;
    }
    return written;
}

} // namespace zelvora::dictd
