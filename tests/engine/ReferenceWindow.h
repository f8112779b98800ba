#pragma once

// The step-by-step reference's window as the engine's caller left it, for the
// equivalence tests and the fuzz targets alike.

#include "dictionary/Language.h"
#include "reference/StepByStep.h"
#include "translate/LookupSession.h"

#include <string>

// The text of Label3 for the engine's found flag; empty while no lookup set it.
inline std::string label3Of(zelvora::FoundFlag found)
{
    return found == zelvora::FoundFlag::Yes ? "SI" : found == zelvora::FoundFlag::No ? "NO" : "";
}

// The window with `earlierLines` lines in the pane and the term box and labels as `before`.
inline zelvora::reference::Window windowFor(const std::string &dictionary, zelvora::Language language,
                                            const zelvora::LookupState &before, std::size_t earlierLines)
{
    zelvora::reference::Window window;
    window.currentDictPath = dictionary;
    window.italian = language == zelvora::Language::Italian;
    window.pane.assign(earlierLines, "prima");
    window.earlierLines = earlierLines;
    window.termBox = before.termBox;
    window.label1 = before.label1;
    window.label3 = label3Of(before.found);
    return window;
}
