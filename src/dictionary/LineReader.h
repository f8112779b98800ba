#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace zelvora {

// Reads a Windows-1252 text file line by line through a fixed buffer.
// A CR ends a line and a LF right after it goes with it; a LF on its own stays
// in the line. A Ctrl+Z byte ends the file. Lines are returned exactly as stored.
class LineReader {
public:
    // Throws FileError when the file cannot be opened.
    explicit LineReader(const std::string &path, std::size_t bufferSize = 1 << 20);
    ~LineReader();
    LineReader(const LineReader &) = delete;
    LineReader &operator=(const LineReader &) = delete;

    // True when no byte is left or the next byte is Ctrl+Z.
    bool atEnd();
    // The next line without its end; the empty string at end of file.
    std::string readLine();
    // The next line as a view that stays valid until the next read; it looks
    // into the reader's buffer when the line lies there whole, else into `spill`.
    std::string_view readLineView(std::string &spill);
    // Passes over the next line without keeping it, however long it is.
    void skipLine();

private:
    template <typename Sink> void scanLine(Sink &&sink);
    bool fill();

    std::string path_;
    int fd_ = -1;
    std::size_t bufferSize_;
    std::unique_ptr<char[]> buffer_; // left uninitialised: opening a file costs no clearing
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
};

} // namespace zelvora
