// zelvora-forms' readers: the JSON parser (any text gives a value or a
// JsonError; a value written out again reads back the same) and the
// gathering of tables and of our supplement into a lexicon, which the
// program's reader then reads whole, every form under its lemma.
//
// Input: a byte of choices, then a JSON table, a supplement and the sources
// line, in parts.

#include "FuzzSupport.h"

#include "dictionary/FileError.h"
#include "forms/Json.h"
#include "forms/LexiconBuilder.h"
#include "import/ImportError.h"
#include "morphology/BaseFormLexicon.h"
#include "reference/PlainText.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

using zelvora::forms::JsonValue;

namespace {

std::string quoted(const std::string &text)
{
    static const char Hex[] = "0123456789abcdef";
    std::string json = "\"";
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (b < 0x20) {
            json += "\\u00";
            json += Hex[b >> 4];
            json += Hex[b & 15];
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string written(const JsonValue &value)
{
    switch (value.kind) {
    case JsonValue::Kind::Null: return "null";
    case JsonValue::Kind::Boolean:
    case JsonValue::Kind::Number: return value.text;
    case JsonValue::Kind::String: return quoted(value.text);
    case JsonValue::Kind::Array: {
        std::string json = "[";
        for (const JsonValue &item : value.items)
            json += (json.size() > 1 ? "," : "") + written(item);
        return json + "]";
    }
    case JsonValue::Kind::Object: {
        std::string json = "{";
        for (const auto &[key, member] : value.members)
            json += (json.size() > 1 ? "," : "") + quoted(key) + ":" + written(member);
        return json + "}";
    }
    }
    return "";
}

bool same(const JsonValue &a, const JsonValue &b)
{
    if (a.kind != b.kind || a.text != b.text || a.items.size() != b.items.size() ||
        a.members.size() != b.members.size())
        return false;
    for (std::size_t i = 0; i < a.items.size(); ++i)
        if (!same(a.items[i], b.items[i]))
            return false;
    for (std::size_t i = 0; i < a.members.size(); ++i)
        if (a.members[i].key != b.members[i].key || !same(a.members[i].value, b.members[i].value))
            return false;
    return true;
}

std::optional<JsonValue> parsed(std::string_view text)
{
    try {
        const JsonValue value = zelvora::forms::parseJson(text);
        const std::string again = written(value);
        fuzz::check(same(zelvora::forms::parseJson(again), value), "JSON written out reads back otherwise: " +
                                                                        fuzz::printable(again));
        return value;
    } catch (const zelvora::forms::JsonError &) {
        return std::nullopt;
    }
}

// The lexicon written is one the program reads, each form found under its lemma.
void checkWritten(const zelvora::forms::LexiconBuilder &builder, const std::string &sources)
{
    const std::string path = fuzz::scratchPath("forme_italiane.txt");
    builder.write(path, sources);
    const std::vector<std::string> lines = zelvora::reference::linesOf(fuzz::readFile(path));
    std::optional<zelvora::BaseFormLexicon> lexicon;
    try {
        lexicon.emplace(zelvora::BaseFormLexicon::load(path, 1 + sources.size() % 97));
    } catch (const zelvora::FileError &error) {
        fuzz::fail(std::string("the lexicon written cannot be read: ") + error.what());
    }
    fuzz::expectSame(lexicon->lemmaCount(), builder.lemmaCount(), "lemmas written");
    fuzz::expectSame(lexicon->formCount(), builder.formCount(), "forms written");
    fuzz::expectSame(lines.size(), 2 + builder.lemmaCount(), "lines written");
    for (std::size_t n = 2; n < lines.size(); ++n) {
        const std::string &line = lines[n];
        const std::string lemma = line.substr(0, line.find(' '));
        std::size_t at = line.find(' ', lemma.size() + 1);
        fuzz::check(at != std::string::npos, "a lemma without forms written");
        while (at != std::string::npos) {
            const std::size_t end = line.find(' ', at + 1);
            const std::string form = line.substr(at + 1, end == std::string::npos ? end : end - at - 1);
            const std::vector<zelvora::BaseForm> forms = lexicon->baseFormsOf(form);
            fuzz::check(std::any_of(forms.begin(), forms.end(),
                                    [&](const zelvora::BaseForm &found) { return found.lemma == lemma; }),
                        "\"" + fuzz::printable(form) + "\" is not found under \"" + fuzz::printable(lemma) + "\"");
            at = end;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const unsigned choices = input.byte();
    const std::string_view json = input.part();
    const std::string supplement = fuzz::writeScratch("supplemento.txt", input.part());
    const std::string sources(input.part());

    zelvora::forms::LexiconBuilder builder;
    if (const std::optional<JsonValue> table = parsed(json)) {
        builder.addTable(*table, "VAN"[choices % 3]);
        if (choices & 4)
            builder.addTable(*table, "VAN"[(choices + 1) % 3]);
    }
    try {
        builder.addSupplement(supplement);
    } catch (const zelvora::dictd::ImportError &error) {
        fuzz::expectSame(error.path(), supplement, "the supplement's error names it");
    }
    checkWritten(builder, sources);
    return 0;
}
