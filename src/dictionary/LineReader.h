#pragma once

#include "dictionary/LineEnds.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora {

// The buffer every file is read through, unless a caller (a test) asks for another size.
inline constexpr std::size_t DefaultBufferSize = 1 << 20;

// Reads a Windows-1252 text file line by line through a fixed buffer.
// A CR ends a line and a LF right after it goes with it; a LF on its own stays
// in the line. A Ctrl+Z byte ends the file. Lines are returned exactly as stored.
//
// Only the two reads move the reader: a line it handed out stays valid until
// the next read, whatever is asked of the reader in between.
class LineReader {
public:
    // Throws FileError when the file cannot be opened or read.
    explicit LineReader(const std::string &path, std::size_t bufferSize = DefaultBufferSize);
    ~LineReader();
    LineReader(const LineReader &) = delete;
    LineReader &operator=(const LineReader &) = delete;

    // True when no byte is left or the next byte is Ctrl+Z. The reader always
    // knows this already: it looks ahead as it reads each line.
    bool atEnd() const { return pos_ == end_; }
    // The next line without its end; the empty line at end of file. The view
    // stays valid until the next readLineView or skipLine. Throws FileError.
    std::string_view readLineView()
    {
        if (const LineInBuffer line = lineInBuffer(); line.next != 0) {
            const std::string_view view(buffer_.get() + pos_, line.length);
            pos_ = line.next;
            return view;
        }
        return readLineViewAcross();
    }
    // Passes over the next line without keeping it, however long it is. Throws FileError.
    void skipLine()
    {
        if (const LineInBuffer line = lineInBuffer(); line.next != 0)
            pos_ = line.next;
        else
            skipLineAcross();
    }

private:
    // Most lines lie whole in the buffer together with the byte after their
    // CR, which tells whether a LF goes with it, and more bytes follow them:
    // those are read inline, the others the slow way.
    struct LineInBuffer {
        std::size_t length = 0;
        std::size_t next = 0; // where the line after it begins; 0 for a line to read the slow way
    };
    LineInBuffer lineInBuffer() const
    {
        const std::size_t cr = nextCR();
        if (cr + 1 >= end_)
            return {};
        const std::size_t next = cr + 1 + (buffer_[cr + 1] == '\n' ? 1 : 0);
        if (next >= end_)
            return {};
        return {cr - pos_, next};
    }
    // Where the first CR at or after pos_ is; end_ or past it when there is none.
    std::size_t nextCR() const
    {
        std::size_t block = pos_ / LineEndBlockBytes;
        std::uint64_t bits = lineEnds_[block] & (~std::uint64_t{0} << (pos_ % LineEndBlockBytes));
        while (bits == 0)
            bits = lineEnds_[++block];
        return block * LineEndBlockBytes + static_cast<std::size_t>(std::countr_zero(bits));
    }
    std::string_view readLineViewAcross();
    void skipLineAcross();
    template <typename Sink> void scanLine(Sink &&sink);
    void fill();
    void indexLineEnds();

    std::string path_;
    int fd_ = -1;
    std::size_t bufferSize_;
    std::unique_ptr<char[]> buffer_; // left uninitialised: opening a file costs no clearing
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    std::string line_; // a line that does not lie whole in the buffer, or that ends where the buffer does
    // Where the buffer's CRs are: a word of bits for each 64 bytes, and one
    // more past the last whose lowest bit stands for the buffer's end.
    std::vector<std::uint64_t> lineEnds_;
};

} // namespace zelvora
