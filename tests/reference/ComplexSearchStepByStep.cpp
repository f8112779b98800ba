#include "reference/ComplexSearchStepByStep.h"

#include "reference/PlainText.h"

namespace zelvora::reference {

namespace {

constexpr std::size_t Cap = 32000;

// Pos(s, line) > 0: an empty text is found nowhere.
bool occurs(const std::string &s, const std::string &line)
{
    return !s.empty() && line.find(s) != std::string::npos;
}

void add(SearchWindow &w, const std::string &term)
{
    if (w.comboBox2.size() < Cap)
        w.comboBox2.push_back(term);
}

} // namespace

void countEntries(SearchWindow &w)
{
    PlainFile file(w.searchedFile);
    w.gaugeMaximum = 0;
    do {
        file.readLine();
        file.readLine();
        ++w.gaugeMaximum;
    } while (!file.atEnd());
}

void Button1Click(SearchWindow &w)
{
    w.gaugePosition = 0; // 1
    w.comboBox2.clear();
    PlainFile file(w.searchedFile); // 2
    if (w.comboBox1 == Field::Nothing) // 4
        return;
    do { // 3
        const std::string t = file.readLine();
        const std::string d = file.readLine();
        ++w.gaugePosition;
        switch (w.comboBox1) {
        case Field::Terms:
            if (occurs(w.edit1, t))
                add(w, t);
            break;
        case Field::Definitions:
            if (occurs(w.edit1, d))
                add(w, t);
            break;
        case Field::Both:
            if (occurs(w.edit1, t))
                add(w, t);
            if (occurs(w.edit1, d) && (w.comboBox2.empty() || w.comboBox2.back() != t))
                add(w, t);
            break;
        case Field::Nothing:
            break;
        }
    } while (!file.atEnd());
}

void ComboBox2Change(SearchWindow &w, const std::string &picked)
{
    w.gaugePosition = 0; // 1
    w.richEdit1.clear();
    PlainFile file(w.searchedFile);
    do { // 2
        const std::string t = file.readLine();
        const std::string d = file.readLine();
        ++w.gaugePosition;
        if (t == picked) {
            w.richEdit1.push_back(d);
            return;
        }
    } while (!file.atEnd());
}

} // namespace zelvora::reference
