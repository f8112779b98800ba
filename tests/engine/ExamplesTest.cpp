// What the random comparisons with the step-by-step reference cannot show:
// file errors, files never opened, the working file's bytes, a pane emptied
// by a listing of 300000 lines, and the meanings of repeated terms in listings.

#include "TempFile.h"

#include "dictionary/FileError.h"
#include "search/DictionarySearches.h"
#include "translate/TextOperations.h"
#include "translate/WorkingText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

using zelvora::Language;
using zelvora::TextOperation;
using Lines = std::vector<std::string>;

namespace {

const std::string Dictionary = crlf({"TITOLO", "intestazione", "LA", "the", "CASA", "house"});
const zelvora::LookupState Before{"", "prima"};

// The operation over the text, through a working file, with the dictionary at `path`.
zelvora::TextRun run(TextOperation operation, const Lines &text, const std::string &path)
{
    const TempFile working("");
    return zelvora::runTextOperation(operation, path, zelvora::prepareWorkingFile(working.path(), text),
                                     Language::Italian, Before);
}

Lines linesOf(TextOperation operation, const Lines &text, const std::string &dictionary)
{
    const TempFile file(dictionary);
    return run(operation, text, file.path()).lines;
}

// The file named by the FileError that `operation` throws; empty when it throws none.
std::string failingPath(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const zelvora::FileError &error) {
        return error.path();
    }
    return "";
}

} // namespace

TEST(Translation, EmptiedPaneTakesAWordSeenBeforeAgain)
{
    // A prefix listing of 300000 lines empties the pane at its last line.
    std::string many = crlf({"TITOLO", "x", "CASA", "house"});
    for (int i = 0; i < 300000; ++i)
        many += "ABCD\r\nquattro\r\n";
    EXPECT_EQ(linesOf(TextOperation::WordList, {"casa abcd*", "casa"}, many), Lines{"CASA"});
}

TEST(Translation, WorkingFileIsWrittenOverWithCrLf)
{
    const TempFile working(std::string(100, 'x'));
    EXPECT_EQ(zelvora::prepareWorkingFile(working.path(), {"Ciao, mondo!", ""}), (Lines{"Ciao  mondo ", ""}));
    std::ifstream in(working.path(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "Ciao  mondo \r\n\r\n");
}

TEST(Translation, FileErrorsNameTheFile)
{
    const std::string missing = TempFile::missingPath();
    const auto lookUp = [&](const char *typed) { zelvora::lookUpTerm(missing, typed, Language::Italian, 0, Before); };
    for (const char *typed : {"casa", "abc*", ""})
        EXPECT_EQ(failingPath([&] { lookUp(typed); }), missing);
    EXPECT_EQ(failingPath([&] { run(TextOperation::WordList, {"casa"}, missing); }), missing);
    // Too short a prefix is looked up in no file.
    EXPECT_EQ(failingPath([&] { lookUp("AB*"); }), "");
    EXPECT_EQ(failingPath([&] { run(TextOperation::Translate, {"x* ab*"}, missing); }), "");
    // The working file in a missing folder, or a folder, cannot be written.
    for (const std::string &path : {missing, std::filesystem::temp_directory_path().string()}) {
        try {
            zelvora::prepareWorkingFile(path, {"uno"});
            ADD_FAILURE() << "no FileError for " << path;
        } catch (const zelvora::FileError &error) {
            EXPECT_EQ(error.path(), path);
            EXPECT_EQ(error.action(), zelvora::FileError::Action::Write);
        }
    }
    // A search keeps what it found before.
    const TempFile first(Dictionary);
    zelvora::SearchRun search{{}, {"casa", ""}, 0};
    EXPECT_EQ(failingPath([&] {
        zelvora::searchWholeWord({{"primo.txt", first.path()}, {"b.txt", missing}}, Language::Italian, search);
    }), missing);
    EXPECT_EQ(search.lines, (Lines{"----- primo.txt -----", "CASA = house"}));
}

// Entries that repeat a term each show their meaning in a listing: the n-th
// match of a term writes the n-th entry's definition, the first entry's when
// there are fewer, nothing for an empty one; a lookup of the term alone shows
// the first entry.
TEST(RepeatedTerms, ListingsShowEveryMeaning)
{
    const TempFile file(crlf({"CASO TITOLO", "intestazione", "CASO", "accidence", "CASO", "case", "CASSA", "",
                              "CASOLARE", "farmhouse", "CASo", "variant"}));
    const Lines listing = {"CASO = accidence", "CASO = case", "CASOLARE = farmhouse", "CASO = accidence"};
    EXPECT_EQ(zelvora::lookUpTerm(file.path(), "cas*", Language::Italian, 0, Before).pane.appended(), listing);
    EXPECT_EQ(zelvora::lookUpTerm(file.path(), "caso", Language::Italian, 0, Before).pane.appended(),
              Lines{"CASO = accidence"});
    EXPECT_EQ(linesOf(TextOperation::Translate, {"cas* caso"}, crlf({"T", "t", "CASO", "uno", "CASO", "due"})),
              (Lines{"cas* caso", "CASO = uno", "CASO = due", "CASO = uno"}));

    zelvora::SearchRun inTermList{{}, Before, 0};
    const Lines termList = {"CASO TITOLO", "CASO", "CASO", "CASSA", "CASOLARE", "CASo"};
    zelvora::searchSubstringInTermList(file.path(), termList, "cas", Language::Italian, inTermList);
    EXPECT_EQ(inTermList.lines, listing); // the header's term is never found
    zelvora::SearchRun inList{{}, Before, 0};
    zelvora::searchSubstringInList({{"d.txt", file.path()}}, "cas", Language::Italian, inList);
    EXPECT_EQ(inList.lines.front(), "----- d.txt -----");
    EXPECT_EQ(Lines(inList.lines.begin() + 1, inList.lines.end()), listing);
}
