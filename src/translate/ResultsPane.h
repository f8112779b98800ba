#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace zelvora {

// What an operation does to the results pane, gathered so that the window can
// show it in one batch: the lines appended since the pane was last emptied,
// and whether the lines it held before were emptied. The pane holds at most
// 300000 lines: past them, it is emptied.
class ResultsPane {
public:
    explicit ResultsPane(std::size_t linesBefore = 0) : linesBefore_(linesBefore) {}

    void append(std::string line) { appended_.push_back(std::move(line)); }
    // Empties the pane when it holds more than the limit; true when it did.
    bool applyLimit();

    std::size_t lineCount() const { return linesBefore_ + appended_.size(); }
    const std::vector<std::string> &appended() const { return appended_; }
    // Hands the appended lines over, leaving none.
    std::vector<std::string> takeAppended() { return std::exchange(appended_, {}); }
    // True when the lines the pane held before the operation are gone.
    bool emptied() const { return emptied_; }

private:
    std::size_t linesBefore_;
    std::vector<std::string> appended_;
    bool emptied_ = false;
};

} // namespace zelvora
