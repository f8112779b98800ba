// Term resolution and the three text operations against the step-by-step
// reference: a term typed in the term box (exact and prefix lookups, with
// lines already in the pane), the punctuation's removal and the working file,
// then the translation, the dictionary from the text and the word list of a
// text, on a dictionary read through a buffer of 1 byte up to the default size.
//
// Input: two bytes of buffer size, a byte of choices, then the dictionary's
// bytes, the typed term and the text (its lines parted by LF), in parts.

#include "FuzzSupport.h"
#include "SameState.h"

#include "reference/PlainText.h"
#include "reference/StepByStep.h"
#include "translate/TextOperations.h"
#include "translate/WorkingText.h"

#include <string>
#include <vector>

using zelvora::Language;
using zelvora::LookupState;
using zelvora::TextOperation;
using Lines = std::vector<std::string>;
namespace reference = zelvora::reference;

namespace {

void compareTermLookup(const std::string &dictionary, const std::string &typed, Language language,
                       std::size_t earlierLines, zelvora::FoundFlag found, std::size_t bufferSize)
{
    const LookupState before{typed, "definizione di prima", found};
    const zelvora::TermLookup engine = zelvora::lookUpTerm(dictionary, typed, language, earlierLines, before, bufferSize);
    reference::Window window = windowFor(dictionary, language, before, earlierLines);
    reference::Button1Click(window);
    fuzz::expectSame(engine.pane.appended(), reference::newLines(window), "term lookup of \"" + fuzz::printable(typed) + "\"");
    fuzz::check(engine.pane.emptied() == window.paneCleared, "term lookup: the pane emptied");
    fuzz::expectSameState(engine.state, window, "term lookup");
}

void compareTextOperation(TextOperation operation, const std::string &dictionary, const std::string &workingFile,
                          const Lines &workingLines, Language language, std::size_t bufferSize)
{
    const std::string what = "text operation " + std::to_string(static_cast<int>(operation));
    const LookupState before{"vecchio", "definizione di prima", zelvora::FoundFlag::Unset};
    const zelvora::TextRun engine =
        zelvora::runTextOperation(operation, dictionary, workingLines, language, before, bufferSize);
    reference::Window window = windowFor(dictionary, language, before, 0);
    const auto click = operation == TextOperation::Translate            ? reference::Button8Click
                       : operation == TextOperation::DictionaryFromText ? reference::Button18Click
                                                                        : reference::Button19Click;
    click(window, workingFile);
    fuzz::expectSame(engine.lines, window.pane, what);
    fuzz::expectSameState(engine.state, window, what);
    fuzz::expectSame(engine.progressMaximum, window.progressMaximum, what + ": progress maximum");
    fuzz::expectSame(engine.progressPosition, window.progressPosition, what + ": progress position");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::size_t bufferSize = input.bufferSize();
    const unsigned choices = input.byte();
    const Language language = choices & 1 ? Language::English : Language::Italian;
    const auto found = static_cast<zelvora::FoundFlag>((choices >> 1 & 3) % 3);
    const std::size_t earlierLines = choices >> 3 & 3;
    const std::string dictionary = fuzz::writeScratch("dizionario.txt", input.part());
    const std::string typed(input.part());
    const Lines text = fuzz::splitAtLf(input.part());

    compareTermLookup(dictionary, typed, language, earlierLines, found, bufferSize);

    // The working file holds the text without punctuation, and is read back as it is written.
    Lines written;
    std::string bytes;
    for (const std::string &line : text) {
        written.push_back(zelvora::removePunctuation(line));
        fuzz::expectSame(written.back(), reference::removePunctuation(line), "punctuation removed");
        bytes += written.back() + "\r\n";
    }
    const std::string workingFile = fuzz::scratchPath("origine2.txt");
    const Lines workingLines = zelvora::prepareWorkingFile(workingFile, text, bufferSize);
    fuzz::expectSame(fuzz::readFile(workingFile), bytes, "the working file");
    Lines expected = reference::linesOf(bytes);
    if (expected.empty())
        expected.emplace_back();
    fuzz::expectSame(workingLines, expected, "the working file's lines");

    for (const TextOperation operation :
         {TextOperation::Translate, TextOperation::DictionaryFromText, TextOperation::WordList})
        compareTextOperation(operation, dictionary, workingFile, workingLines, language, bufferSize);
    return 0;
}
