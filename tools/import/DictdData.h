#pragma once

#include <string>
#include <string_view>

namespace zelvora::dictd {

// The bytes of a file. Throws ImportError naming the file when it cannot be read.
std::string readWholeFile(const std::string &path);

// Decompresses gzip data (a dictzip file is one gzip member; several members
// follow each other). Throws ImportError naming `path` when the data is not
// gzip, is damaged or ends early.
std::string gunzip(std::string_view compressed, const std::string &path);

// The text of a dictd data file: a path ending in ".dz" is decompressed whole,
// any other is read as it is. Throws ImportError.
std::string readDictData(const std::string &path);

} // namespace zelvora::dictd
