#pragma once

#include "reference/StepByStep.h"

#include <array>
#include <string>
#include <vector>

// The word searches of the main window carried out one step at a time, as they
// are written: the dictionary searches run the step-by-step term lookup
// (Button1Click of StepByStep.h) once per dictionary or per matching term, each
// lookup reading the file again from line 1. They work on the same Window:
// `pane` is the results pane, `progressPosition` the progress bar, `termBox`,
// `label1` and `label3` what the lookups leave. The minimum lengths that the
// window checks before a substring search are left to the window here too.
namespace zelvora::reference {

// An entry of a dictionary list: its text as the list holds it and the file it names.
struct ListEntry {
    std::string name;
    std::string path;
};

// Whole-word search over a list for the term box's term; separator entries are
// passed over (they still advance the progress bar). A dictionary's header
// stays only when its own lookup appended a line.
void Button6Click(Window &window, const std::vector<ListEntry> &list);

// Substring search over the given term list of the current dictionary: the
// matches are a listing, the n-th match of a term showing its n-th entry.
void Button23Click(Window &window, const std::vector<std::string> &termList);

// Substring search over every dictionary of the list, skipping separators.
void Button25Click(Window &window, const std::vector<ListEntry> &list);

// The word games on the file named by `currentDictPath`.
void Button2Click(Window &window);  // anagrams of the term box text
void Button7Click(Window &window);  // rhymes with the term box text
void Button35Click(Window &window); // palindromes
// Words from letters: the 14 position boxes; `progressMaximum` gets the entry count.
void Panel49Click(Window &window, const std::array<std::string, 14> &boxes);

} // namespace zelvora::reference
