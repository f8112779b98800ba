#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zelvora {

// The results pane holds at most this many lines: past it, it is emptied.
inline constexpr std::size_t ResultsPaneLimit = 300000;

// What an operation does to the results pane, gathered so that the window can
// show it in one batch: the lines appended since the pane was last emptied,
// and whether the lines it held before were emptied.
class ResultsPane {
public:
    explicit ResultsPane(std::size_t linesBefore = 0) : linesBefore_(linesBefore) {}

    void append(std::string line) { appended_.push_back(std::move(line)); }
    // Empties the pane when it holds more than the limit; true when it did.
    bool applyLimit();

    std::size_t lineCount() const { return linesBefore_ + appended_.size(); }
    const std::vector<std::string> &appended() const { return appended_; }
    std::vector<std::string> &appended() { return appended_; }
    // True when the lines the pane held before the operation are gone.
    bool emptied() const { return emptied_; }

private:
    std::size_t linesBefore_;
    std::vector<std::string> appended_;
    bool emptied_ = false;
};

} // namespace zelvora
