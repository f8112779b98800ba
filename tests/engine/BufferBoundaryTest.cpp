// A term line that ends where the reader's buffer does: every lookup and
// search must find it, as anywhere else in the file.

#include "TempFile.h"

#include "dictionary/Dictionary.h"
#include "dictionary/LineReader.h"
#include "search/DictionarySearches.h"
#include "translate/TextOperations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelvora::Language;
using Lines = std::vector<std::string>;

namespace {

constexpr std::size_t Boundary = zelvora::DefaultBufferSize;

// About 3 MiB of entries with CASA = house among them, the line "CASA" ending
// `beforeBoundary` bytes before the end of the first buffer: 0 when its CR LF
// are the buffer's last two bytes, 1 when its CR is the last byte and the LF
// opens the next buffer.
std::string dictionaryWithCasaAtTheBoundary(std::size_t beforeBoundary)
{
    std::string bytes = "TITOLO\r\nintestazione\r\n";
    const auto addEntry = [&bytes](std::size_t i) {
        bytes += "T" + std::to_string(i) + "\r\n" + std::string(40, 'd') + "\r\n";
    };
    std::size_t i = 0;
    while (bytes.size() < Boundary - 1000)
        addEntry(++i);
    // A definition long enough to bring "CASA" CR LF to the boundary.
    const std::size_t casaEnd = Boundary + beforeBoundary;
    bytes += "PADDING\r\n";
    bytes += std::string(casaEnd - bytes.size() - std::string("\r\nCASA\r\n").size(), 'p') + "\r\n";
    bytes += "CASA\r\n";
    EXPECT_EQ(bytes.size(), casaEnd);
    bytes += "house\r\n";
    while (bytes.size() < 3 * Boundary)
        addEntry(++i);
    return bytes;
}

} // namespace

TEST(BufferBoundary, TermLineEndingAtTheBuffersEndIsFoundEverywhere)
{
    for (const std::size_t beforeBoundary : {0, 1}) {
        SCOPED_TRACE("CR LF ends " + std::to_string(beforeBoundary) + " byte(s) past the buffer");
        const TempFile file(dictionaryWithCasaAtTheBoundary(beforeBoundary));
        const zelvora::LookupState before{"", "", zelvora::FoundFlag::Unset};
        for (const char *typed : {"casa", "cas*"})
            EXPECT_EQ(zelvora::lookUpTerm(file.path(), typed, Language::Italian, 0, before).pane.appended(),
                      Lines{"CASA = house"})
                << typed;

        zelvora::SearchRun wholeWord{{}, {"casa", "", zelvora::FoundFlag::Unset}, 0};
        zelvora::searchWholeWord({{"d.txt", file.path()}}, Language::Italian, wholeWord);
        EXPECT_EQ(wholeWord.lines, (Lines{"----- d.txt -----", "CASA = house"}));

        Lines termList;
        zelvora::readTerms(file.path(), zelvora::TermRepeats::Keep, termList);
        zelvora::SearchRun inTermList{{}, before, 0};
        zelvora::searchSubstringInTermList(file.path(), termList, "asa", Language::Italian, inTermList);
        EXPECT_EQ(inTermList.lines, Lines{"CASA = house"});
        zelvora::SearchRun inList{{}, before, 0};
        zelvora::searchSubstringInList({{"d.txt", file.path()}}, "asa", Language::Italian, inList);
        EXPECT_EQ(inList.lines, (Lines{"----- d.txt -----", "CASA = house"}));

        EXPECT_EQ(zelvora::runTextOperation(zelvora::TextOperation::Translate, file.path(), {"casa"},
                                            Language::Italian, before)
                      .lines,
                  (Lines{"casa", "CASA = house"}));
    }
}
