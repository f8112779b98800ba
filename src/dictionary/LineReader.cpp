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

template <typename Sink> void LineReader::scanLine(Sink &&sink)
{
    while (pos_ < end_) {
        const std::size_t cr = nextCR();
        const std::size_t length = std::min(cr, end_) - pos_;
        sink(buffer_.get() + pos_, length);
        pos_ += length;
        if (cr < end_) {
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

// A line that does not lie whole in the buffer with the byte after its CR,
// or that ends where the buffer does.
std::string_view LineReader::readLineViewAcross()
{
    if (const std::size_t cr = nextCR(); cr + 1 < end_) {
        // The line ends where the buffer does: it is kept before the buffer is refilled under it.
        line_.assign(buffer_.get() + pos_, cr - pos_);
        pos_ = cr + 1 + (buffer_[cr + 1] == LF ? 1 : 0);
        fill();
        return line_;
    }
    line_.clear();
    scanLine([this](const char *bytes, std::size_t count) { line_.append(bytes, count); });
    return line_;
}

void LineReader::skipLineAcross()
{
    scanLine([](const char *, std::size_t) {});
}

} // namespace zelvora
