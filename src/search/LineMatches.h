#pragma once

#include "dictionary/Dictionary.h"
#include "dictionary/LineReader.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora {

// A line of a dictionary file that holds the text looked for.
struct LineMatch {
    bool inDefinition = false; // else it is a term line
    std::string_view term;     // the term line of its entry
};

// Finds, in file order, the lines of a dictionary file that hold a text, each
// line once, and tells of each whether it is the term or the definition line
// of its entry, and the entry's term. The lines are those LineReader reads;
// the entries are pairs of them from line 1 on.
//
// It reads the file once through a buffer and looks at a line only where the
// text occurs, counting the line ends in between: far quicker than reading
// line by line. The buffer always begins with the term line of an entry, and
// grows to hold an entry longer than half of it.
class LineMatches {
public:
    // Throws FileError when the file cannot be opened. `progress` hears how
    // many entries were passed each time the buffer is filled.
    LineMatches(const std::string &path, std::string_view text, const EntryProgress &progress = {},
                std::size_t bufferSize = DefaultBufferSize);
    ~LineMatches();
    LineMatches(const LineMatches &) = delete;
    LineMatches &operator=(const LineMatches &) = delete;

    // The next line that holds the text; false once there is none. An empty
    // text, or one with a CR, is in no line. The match's term stays valid until
    // the next call. Throws FileError.
    bool next(LineMatch &match);

private:
    std::size_t find(std::size_t from, std::size_t to, std::size_t &lineEnds) const;
    std::size_t lineStartBefore(std::size_t position) const;
    void refill();

    std::string path_;
    std::string text_;
    EntryProgress progress_;
    // The buffer grows with realloc, which moves a large buffer's pages
    // rather than copy them: an entry of a hundred megabytes is held once.
    struct FreeBytes {
        void operator()(char *bytes) const;
    };
    int fd_ = -1;
    std::unique_ptr<char, FreeBytes> buffer_;
    std::size_t capacity_;
    std::size_t filled_ = 0;   // bytes in the buffer
    std::size_t complete_ = 0; // the lines before this are whole, their line ends too
    std::size_t scan_ = 0;     // where the search goes on: the start of a line, or inside one after a false match
    std::size_t lines_ = 0;    // line ends before scan_ since the start of the file
    bool eof_ = false; // nothing more to read, or nothing to find
};

} // namespace zelvora
