#include "dictionary/Exclusions.h"

#include "dictionary/Catalogue.h"

#include <string_view>

namespace zelvora {

namespace {

struct KeptRow {
    Exclusions ticks;
    std::string_view sections; // the numbers of the sections kept
};

// The program's own table, not the sum of the three categories: English and
// secondary together keep sections 7 and 9, which either alone leaves out.
constexpr KeptRow KeptTable[] = {
    {{false, false, false}, "123456789"},
    {{true, false, false}, "1234789"},
    {{false, true, false}, "123456"},
    {{false, false, true}, "123568"},
    {{true, true, false}, "123479"},
    {{false, true, true}, "12356"},
    {{true, false, true}, "1238"},
    {{true, true, true}, "123"},
};

} // namespace

KeptSections keptSections(Exclusions exclusions)
{
    KeptSections kept{};
    for (const KeptRow &row : KeptTable)
        if (row.ticks == exclusions)
            for (const char section : row.sections)
                kept[static_cast<std::size_t>(section - '1')] = true;
    return kept;
}

std::vector<std::string> readActiveList(const std::string &cataloguePath, Exclusions exclusions,
                                        std::size_t bufferSize)
{
    const KeptSections kept = keptSections(exclusions);
    LineReader reader(cataloguePath, bufferSize);
    std::vector<std::string> active;
    for (std::size_t section = 0; section < CatalogueSections && !reader.atEnd(); ++section) {
        bool closed = false;
        while (!closed && !reader.atEnd()) {
            const std::string_view line = reader.readLineView();
            closed = isSeparator(line);
            if (kept[section])
                active.emplace_back(line);
        }
    }
    return active;
}

} // namespace zelvora
