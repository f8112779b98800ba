#pragma once

#include "dictionary/LineReader.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zelvora {

// The categories of dictionaries the user may leave out, any of them at once.
struct Exclusions {
    bool english = false;    // "ESCLUDI I DIZIONARI INGLESI"
    bool secondary = false;  // "ESCLUDI I DIZIONARI SECONDARI"
    bool glossaries = false; // "ESCLUDI I GLOSSARI"

    friend bool operator==(Exclusions, Exclusions) = default;
};

inline constexpr std::size_t CatalogueSections = 9;

// Whether each of the catalogue's nine sections is kept; index 0 is section 1.
using KeptSections = std::array<bool, CatalogueSections>;

KeptSections keptSections(Exclusions exclusions);

// The active list: the lines of the catalogue's kept sections in file order, each
// with its closing separator; a section left out gives nothing, not even its
// separator. Reads nine sections at most; a catalogue that ends sooner gives the
// sections read so far, the last one as far as it goes. Throws FileError.
std::vector<std::string> readActiveList(const std::string &cataloguePath, Exclusions exclusions,
                                        std::size_t bufferSize = DefaultBufferSize);

} // namespace zelvora
