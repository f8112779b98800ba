#include "dictionary/LineReader.h"

#include "dictionary/FileError.h"
#include "dictionary/LineEnds.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zelvora {

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char CtrlZ = '\x1A';
} // namespace

LineReader::LineReader(const std::string &path, std::size_t bufferSize)
    : path_(path), bufferSize_(std::max<std::size_t>(bufferSize, 1)), buffer_(new char[bufferSize_])
{
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw FileError::fromErrno(path);
    try {
        fill();
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

LineReader::~LineReader()
{
    ::close(fd_);
}

// Once every byte of the buffer is taken, reads the next bytes, so that the
// buffer runs empty only at end of file.
void LineReader::fill()
{
    while (pos_ == end_ && !eof_) {
        const ssize_t n = ::read(fd_, buffer_.get(), bufferSize_);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError::fromErrno(path_);
        }
        pos_ = 0;
        end_ = static_cast<std::size_t>(n);
        eof_ = n == 0;
        // A Ctrl+Z ends the file: nothing after it is ever delivered.
        if (const void *ctrlZ = std::memchr(buffer_.get(), CtrlZ, end_)) {
            end_ = static_cast<std::size_t>(static_cast<const char *>(ctrlZ) - buffer_.get());
            eof_ = true;
        }
        indexLineEnds();
    }
}

void LineReader::indexLineEnds()
{
    const char *bytes = buffer_.get();
    const std::size_t blocks = (end_ + LineEndBlockBytes - 1) / LineEndBlockBytes;
    lineEnds_.resize(blocks + 1);
    std::size_t block = 0;
    for (; (block + 1) * LineEndBlockBytes <= end_; ++block)
        lineEnds_[block] = lineEndBits(bytes + block * LineEndBlockBytes);
    if (block < blocks) {
        // The last block is cut by the buffer's end; what lies past it is not the file's.
        std::uint64_t bits = 0;
        for (std::size_t at = block * LineEndBlockBytes; at < end_; ++at)
            bits |= std::uint64_t{bytes[at] == CR} << (at % LineEndBlockBytes);
        lineEnds_[block] = bits;
    }
    lineEnds_[blocks] = 1;
}

// The first CR at or after the reader's place in the buffer, or null.
const char *LineReader::nextCR() const
{
    std::size_t block = pos_ / LineEndBlockBytes;
    std::uint64_t bits = lineEnds_[block] & (~std::uint64_t{0} << (pos_ % LineEndBlockBytes));
    while (bits == 0)
        bits = lineEnds_[++block];
    const std::size_t at = block * LineEndBlockBytes + static_cast<std::size_t>(std::countr_zero(bits));
    return at < end_ ? buffer_.get() + at : nullptr;
}

template <typename Sink> void LineReader::scanLine(Sink &&sink)
{
    while (pos_ < end_) {
        const char *start = buffer_.get() + pos_;
        const std::size_t available = end_ - pos_;
        const char *cr = nextCR();
        const std::size_t length = cr ? static_cast<std::size_t>(cr - start) : available;
        sink(start, length);
        pos_ += length;
        if (cr) {
            ++pos_;
            fill();
            if (pos_ < end_ && buffer_[pos_] == LF)
                ++pos_;
            fill();
            return;
        }
        fill();
    }
}

std::string_view LineReader::readLineView()
{
    const char *start = buffer_.get() + pos_;
    const char *cr = nextCR();
    // Most lines lie whole in the buffer together with the byte after their
    // CR, which tells whether a LF goes with it.
    if (cr && cr + 1 < buffer_.get() + end_) {
        const std::string_view line(start, static_cast<std::size_t>(cr - start));
        pos_ = static_cast<std::size_t>(cr + 1 - buffer_.get());
        if (buffer_[pos_] == LF)
            ++pos_;
        if (pos_ < end_)
            return line;
        // The line ends where the buffer does: it is kept before the buffer is refilled under it.
        line_.assign(line);
        fill();
        return line_;
    }
    line_.clear();
    scanLine([this](const char *bytes, std::size_t count) { line_.append(bytes, count); });
    return line_;
}

void LineReader::skipLine()
{
    // As a line read: most lie whole in the buffer with the byte after their CR.
    if (const char *cr = nextCR(); cr && cr + 1 < buffer_.get() + end_) {
        std::size_t next = static_cast<std::size_t>(cr + 1 - buffer_.get());
        if (buffer_[next] == LF)
            ++next;
        if (next < end_) {
            pos_ = next;
            return;
        }
    }
    scanLine([](const char *, std::size_t) {});
}

} // namespace zelvora
