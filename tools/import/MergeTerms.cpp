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

// The entries of one term, and what the merge needs to know of the others.
class TermMerger {
public:
    TermMerger(const MergeOptions &options, MergeCounts &counts, const std::unordered_set<std::string> &inverseLonger)
        : options_(options), counts_(counts), inverseLonger_(inverseLonger)
    {
    }

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

    // Whether `group` has a translation of `standing` that is `key` and more words.
    bool hasLonger(const std::vector<Entry> &group, Standing standing, const std::string &key) const
    {
        for (const Entry &entry : group)
            if (entry.standing == standing)
                for (const Sense &sense : entry.senses)
                    for (const std::string &item : sense.items)
                        if (const std::string k = itemKey(item); k.size() > key.size() + 1 && k.compare(0, key.size(), key) == 0 && k[key.size()] == ' ')
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
                    bool unsound = false;
                    if (entry.standing == Standing::Direct)
                        // "OGNI = daily" where the other direction gives "daily = ogni giorno", not "ogni"
                        unsound = inverseLonger_.count(term + '\t' + key) && !has(group, Standing::Inverse, key);
                    else
                        // "INCINTA = with" where this direction gives "incinta = with child", not "with"
                        unsound = hasLonger(group, Standing::Direct, key) && !has(group, Standing::Direct, key);
                    unsound = unsound || (oneWord && hasCommonSense && isName(item) && key.find(' ') != std::string::npos);
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
                    rank = confirmed ? static_cast<int>(entry.standing) * 2 : static_cast<int>(Standing::Via) * 2 + 1 + static_cast<int>(entry.standing);
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
    const std::unordered_set<std::string> &inverseLonger_;
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
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.term < b.term; });
    // "OGNI\tDAILY" for the inverse's "OGNI GIORNO = daily": the words a longer term starts with, and its translations.
    std::unordered_set<std::string> inverseLonger;
    if (options.dropUnsound)
        for (const Entry &entry : entries)
            if (entry.standing == Standing::Inverse && entry.translations)
                for (std::size_t space = entry.term.find(' '); space != std::string::npos; space = entry.term.find(' ', space + 1))
                    for (const Sense &sense : entry.senses)
                        for (const std::string &item : sense.items)
                            inverseLonger.insert(entry.term.substr(0, space) + '\t' + itemKey(item));
    TermMerger merger(options, counts, inverseLonger);
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
