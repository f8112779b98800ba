#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvora {

// Small routines on Windows-1252 strings; every comparison is exact on bytes.

// True when the text reads the same from both ends (blanks and case count).
bool IsPalindrome(std::string_view text);

// The text before the first occurrence of marker; the whole text when it does not occur.
std::string TextBefore(std::string_view text, std::string_view marker);

// The text after the first occurrence of marker; empty when it does not occur.
std::string TextAfter(std::string_view text, std::string_view marker);

// The text with its first occurrence of oldText replaced by newText. When
// oldText does not occur the result is newText followed by the text without its
// first length(oldText) - 1 characters; callers rely on exactly that.
std::string ReplaceFirst(std::string_view text, std::string_view oldText, std::string_view newText);

// Words separated by blanks, CR and LF: 0 for the empty text, otherwise 1 plus
// one for every non-separator that follows a separator (' a' counts 2).
std::size_t CountWords(std::string_view text);

// Maximal runs of characters other than blank, tab and ';'.
std::size_t CountTokens(std::string_view text);

} // namespace zelvora
