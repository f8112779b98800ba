#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The complex-search window's steps carried out one at a time, as they are
// written: the search walks every entry to the end of the file, whatever the
// result list holds, and tests the cap before each addition. It shares no code
// with the engine.
namespace zelvora::reference {

enum class Field { Nothing, Terms, Definitions, Both };

// What the handlers read and write in the window.
struct SearchWindow {
    std::string searchedFile;
    std::string edit1; // the search text, already in capitals
    Field comboBox1 = Field::Nothing;
    std::vector<std::string> comboBox2; // the result list
    std::vector<std::string> richEdit1; // the definition pane, one string per line
    std::size_t gaugeMaximum = 0;
    std::size_t gaugePosition = 0;
};

// The entry count of the showing, two lines per step.
void countEntries(SearchWindow &window);
void Button1Click(SearchWindow &window);
// The definition of `picked`; stops at the end of the file when no entry has it.
void ComboBox2Change(SearchWindow &window, const std::string &picked);

} // namespace zelvora::reference
