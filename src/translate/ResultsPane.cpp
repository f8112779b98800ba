#include "translate/ResultsPane.h"

namespace zelvora {

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
