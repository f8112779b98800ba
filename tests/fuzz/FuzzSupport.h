#pragma once

// What every fuzz target shares: the input taken apart, files to hand the
// readers, and checks that stop the run with the difference they found.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// Parts of an input are parted by this line; the bytes of a part are never
// looked into, so a part may hold any other bytes.
inline constexpr std::string_view PartSeparator = "\n--\n";

// A fuzz input read from its start: header bytes first, then parts.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : rest_(reinterpret_cast<const char *>(data), size) {}

    // The next byte; 0 once the input is used up.
    unsigned byte();
    // A reader's buffer size, from two bytes: mostly 1 to 509 bytes, so that
    // the input's line ends fall on the buffer's ends, now and then 32 bytes
    // up to the default size.
    std::size_t bufferSize();
    // The bytes up to the next part separator, or to the end.
    std::string_view part();
    // Everything not yet taken.
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

// The text split at LF; nothing for the empty text.
std::vector<std::string> splitAtLf(std::string_view text);

// A path in a folder of this process's own (removed when the process ends),
// where the targets write the files they hand to the readers.
std::string scratchPath(const std::string &name);
// Writes the bytes over the file of that name in the scratch folder; returns its path.
std::string writeScratch(const std::string &name, std::string_view bytes);
std::string readFile(const std::string &path);

// The bytes with every byte outside printable ASCII (and the backslash) as \xNN.
std::string printable(std::string_view bytes);

// Reports what was wrong and aborts, which libFuzzer records as a crash with its input.
[[noreturn]] void fail(const std::string &what);

inline void check(bool holds, const std::string &what)
{
    if (!holds)
        fail(what);
}

void expectSame(std::string_view got, std::string_view expected, const std::string &what);
void expectSame(std::size_t got, std::size_t expected, const std::string &what);
void expectSame(const std::vector<std::string> &got, const std::vector<std::string> &expected, const std::string &what);

} // namespace fuzz
