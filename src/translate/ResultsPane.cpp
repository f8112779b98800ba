#include "translate/ResultsPane.h"

namespace zelvora {

namespace {
constexpr std::size_t ResultsPaneLimit = 300000;
} // namespace

bool ResultsPane::applyLimit()
{
    if (lineCount() <= ResultsPaneLimit)
        return false;
    linesBefore_ = 0;
    appended_.clear();
    emptied_ = true;
    return true;
}

} // namespace zelvora
