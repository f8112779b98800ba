#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The plain ways of reading a file that the benchmarks set the engine beside.
namespace zelvora::bench {

// Reads the whole file with read() through `buffer`; returns the bytes read.
std::size_t readWithPlainRead(const std::string &path, std::vector<char> &buffer);

// Reads every line of the file with LineReader::readLineView(); returns the lines'
// total length.
std::size_t readEveryLine(const std::string &path);

} // namespace zelvora::bench
