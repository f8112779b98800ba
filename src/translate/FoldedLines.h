#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora {

// The lines an operation wrote into the pane, told apart ignoring case (as
// toUpperFull does), for the operations that write each line once. Nothing is
// copied: a slot holds where its line stands among the pane's lines, so a line
// of many megabytes costs no second copy, nor a capitalised one.
class FoldedLines {
public:
    explicit FoldedLines(const std::vector<std::string> &lines);

    // Records `line`, about to be written as lines[at]; false, recording
    // nothing, when a line the same but for case was recorded before.
    bool insert(std::string_view line, std::size_t at);
    void clear();

private:
    struct Slot {
        std::uint64_t hash = 0;
        std::size_t line = None;
    };
    static constexpr std::size_t None = SIZE_MAX;

    std::uint64_t hashOf(std::string_view line) const;
    bool sameButForCase(std::string_view a, std::string_view b) const;
    void grow();

    const std::vector<std::string> &lines_;
    const std::array<unsigned char, 256> &capitals_;
    std::vector<Slot> slots_; // none until the first line, then a power of two of them, at most half taken
    std::size_t count_ = 0;
};

} // namespace zelvora
