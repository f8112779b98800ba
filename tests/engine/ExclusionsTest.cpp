#include "TempFile.h"

#include "dictionary/Catalogue.h"
#include "dictionary/Exclusions.h"
#include "dictionary/FileError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelvora::Exclusions;
using Lines = std::vector<std::string>;

namespace {

const std::string S(zelvora::SectionSeparator);

// A catalogue whose section k lists "k.txt" (section 1 also an empty name,
// section 4 nothing at all), each section closed by its separator.
Lines sectionLines(int section)
{
    if (section == 1)
        return {"1.txt", "", S};
    if (section == 4)
        return {S};
    return {std::to_string(section) + ".txt", S};
}

Lines sections(std::initializer_list<int> numbers)
{
    Lines lines;
    for (const int n : numbers) {
        const Lines section = sectionLines(n);
        lines.insert(lines.end(), section.begin(), section.end());
    }
    return lines;
}

// The active list read through buffers of every size; the same whatever the size.
Lines activeList(std::string_view bytes, Exclusions exclusions)
{
    const TempFile file(bytes);
    const Lines read = zelvora::readActiveList(file.path(), exclusions);
    for (const std::size_t size : {1, 2, 3, 7, 64})
        EXPECT_EQ(zelvora::readActiveList(file.path(), exclusions, size), read) << "buffer " << size;
    return read;
}

} // namespace

TEST(Exclusions, EveryCombinationKeepsItsSectionsWithTheirSeparators)
{
    const std::pair<Exclusions, Lines> cases[] = {
        {{false, false, false}, sections({1, 2, 3, 4, 5, 6, 7, 8, 9})},
        {{true, false, false}, sections({1, 2, 3, 4, 7, 8, 9})},
        {{false, true, false}, sections({1, 2, 3, 4, 5, 6})},
        {{false, false, true}, sections({1, 2, 3, 5, 6, 8})},
        {{true, true, false}, sections({1, 2, 3, 4, 7, 9})},
        {{false, true, true}, sections({1, 2, 3, 5, 6})},
        {{true, false, true}, sections({1, 2, 3, 8})},
        {{true, true, true}, sections({1, 2, 3})},
    };
    // Lines after the ninth separator are not part of any section.
    const std::string catalogue = crlf(sections({1, 2, 3, 4, 5, 6, 7, 8, 9})) + "after.txt\r\n";
    for (const auto &[ticks, expected] : cases)
        EXPECT_EQ(activeList(catalogue, ticks), expected)
            << "E " << ticks.english << " S " << ticks.secondary << " G " << ticks.glossaries;
}

TEST(Exclusions, AShortCatalogueGivesTheSectionsReadSoFar)
{
    // Ends inside section 2, the last line without its line end.
    const std::string twoSections = "1.txt\r\n" + S + "\r\n2a.txt\r\n2b.txt";
    EXPECT_EQ(activeList(twoSections, {true, true, true}), (Lines{"1.txt", S, "2a.txt", "2b.txt"}));
    // Ends inside section 5, which English leaves out; section 4 is kept.
    const std::string fiveSections = crlf(sections({1, 2, 3, 4})) + "5.txt\r\n";
    EXPECT_EQ(activeList(fiveSections, {true, false, false}), sections({1, 2, 3, 4}));
    EXPECT_EQ(activeList(fiveSections, {false, false, true}), (Lines{"1.txt", "", S, "2.txt", S, "3.txt", S, "5.txt"}));
    // A Ctrl+Z ends the catalogue; an empty one gives an empty list.
    EXPECT_EQ(activeList("1.txt\r\n" + S + "\r\n\x1A" "2.txt\r\n" + S + "\r\n", {}), (Lines{"1.txt", S}));
    EXPECT_EQ(activeList("", {}), Lines{});
}

TEST(Exclusions, AMissingCatalogueThrows)
{
    EXPECT_THROW(zelvora::readActiveList(TempFile::missingPath(), {}), zelvora::FileError);
}
