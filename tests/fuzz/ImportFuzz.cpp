// A whole conversion by zelvora-import: a dictd dictionary (its index and its
// data, plain or dictzip) read directly, backwards or for its glosses, in
// either layout, now and then also through itself as a third language, with
// a supplement of our own and a thesaurus. The run writes a dictionary the
// program reads back entry for entry, or stops with an error naming a file
// and leaves no output.
//
// Input: a byte of choices, then the index, the data, the supplement and the
// thesaurus, in parts.

#include "FuzzSupport.h"

#include "dictionary/UpperCase.h"
#include "import/CommandLine.h"
#include "import/Import.h"
#include "import/ImportError.h"
#include "reference/PlainText.h"

#include <zlib.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace zelvora::dictd;

namespace {

void writeGzip(const std::string &path, std::string_view bytes)
{
    gzFile file = gzopen(path.c_str(), "wb");
    if (!file || gzwrite(file, bytes.data(), static_cast<unsigned>(bytes.size())) != static_cast<int>(bytes.size()) ||
        gzclose(file) != Z_OK)
        fuzz::fail("cannot write " + path);
}

// What the program reads of the written file: the header pair, then the
// entries, one term each, in capitals, in the order of their bytes.
void checkOutput(const std::string &path, std::size_t written)
{
    const std::string bytes = fuzz::readFile(path);
    std::vector<std::string> lines = zelvora::reference::linesOf(bytes);
    fuzz::expectSame(lines.size(), 2 * (written + 1), "lines written");
    std::string joined;
    for (const std::string &line : lines) {
        fuzz::check(line.find_first_of("\r\n\x1A") == std::string::npos, "a written line holds a line end or Ctrl+Z: \"" +
                                                                          fuzz::printable(line) + "\"");
        joined += line + "\r\n";
    }
    fuzz::expectSame(joined, bytes, "every line ends with CR LF");
    for (std::size_t k = 2; k < lines.size(); k += 2) {
        const std::string &term = lines[k];
        fuzz::check(!term.empty(), "an empty term");
        fuzz::expectSame(zelvora::toUpperFull(term), term, "a term in capitals");
        fuzz::check(k == 2 || lines[k - 2] < term, "terms in the order of their bytes, each once: \"" +
                                                       fuzz::printable(lines[k - 2]) + "\" before \"" +
                                                       fuzz::printable(term) + "\"");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const unsigned choices = input.byte();
    const std::string_view index = input.part();
    const std::string_view dictData = input.part();
    const std::string_view supplement = input.part();
    const std::string_view thesaurus = input.part();

    // A name that tells a FreeDict dictionary's languages, whatever its layout.
    const std::string base = fuzz::scratchPath(choices & 1 ? "freedict-ita-eng" : "foldoc");
    std::error_code ignored;
    for (const char *suffix : {".index", ".dict", ".dict.dz"})
        std::filesystem::remove(base + suffix, ignored);
    fuzz::writeScratch(std::filesystem::path(base + ".index").filename(), index);
    if (choices & 2)
        writeGzip(base + ".dict.dz", dictData);
    else
        fuzz::writeScratch(std::filesystem::path(base + ".dict").filename(), dictData);

    Options options;
    const InputMode modes[] = {InputMode::Direct, InputMode::Inverse, InputMode::Glosses, InputMode::Direct};
    options.inputs.push_back({base, modes[choices >> 2 & 3]});
    if (choices & 16) {
        options.inputs.push_back({base, InputMode::ViaIn});
        options.inputs.push_back({base, InputMode::ViaOut});
    }
    if (choices & 32)
        options.inputs.push_back({fuzz::writeScratch("supplemento.txt", supplement), InputMode::Supplement});
    if (choices & 64)
        options.inputs.push_back({fuzz::writeScratch("tesauro.dat", thesaurus), InputMode::Thesaurus});
    if (choices & 128)
        options.layout = choices & 8 ? Layout::Prose : Layout::FreeDict;
    options.output = fuzz::scratchPath("uscita.txt");
    std::filesystem::remove(options.output, ignored);

    try {
        const ImportReport report = runImport(options);
        describe(report);
        checkOutput(options.output, report.written);
    } catch (const ImportError &error) {
        fuzz::check(!error.path().empty(), "an error names no file");
        fuzz::check(!std::filesystem::exists(options.output), "an output left after an error");
    } catch (const UsageError &) {
        fuzz::check(!std::filesystem::exists(options.output), "an output left after an error");
    }
    // Nothing but the output is left in the folder by the run.
    for (const auto &file : std::filesystem::directory_iterator(fuzz::scratchPath("")))
        fuzz::check(file.path().filename().string().front() != '.', "a temporary file left: " + file.path().string());
    return 0;
}
