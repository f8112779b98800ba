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
// A place in the buffer fits 32 bits.
constexpr std::size_t LargestBuffer = std::size_t{1} << 31;
} // namespace

LineReader::LineReader(const std::string &path, std::size_t bufferSize)
    : path_(path), bufferSize_(std::clamp<std::size_t>(bufferSize, 1, LargestBuffer)), buffer_(new char[bufferSize_])
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
    crCount_ = 0;
    nextCr_ = 0;
    const char *bytes = buffer_.get();
    std::size_t at = 0;
    for (; at + LineEndBlockBytes <= end_; at += LineEndBlockBytes) {
        if (crs_.size() < crCount_ + LineEndBlockBytes)
            crs_.resize(2 * crs_.size() + LineEndBlockBytes);
        std::uint64_t bits = lineEndBits(bytes + at);
        const auto count = static_cast<std::size_t>(std::popcount(bits));
        std::uint32_t *places = crs_.data() + crCount_;
        // Eight places are written whatever the count, without a test: most
        // blocks hold fewer CRs, and what lies past the count is never read.
        for (std::size_t k = 0; k < 8; ++k, bits &= bits - 1)
            places[k] = static_cast<std::uint32_t>(at + static_cast<std::size_t>(std::countr_zero(bits)));
        for (std::size_t k = 8; k < count; ++k, bits &= bits - 1)
            places[k] = static_cast<std::uint32_t>(at + static_cast<std::size_t>(std::countr_zero(bits)));
        crCount_ += count;
    }
    for (; at < end_; ++at) {
        if (bytes[at] != CR)
            continue;
        if (crs_.size() == crCount_)
            crs_.resize(2 * crs_.size() + LineEndBlockBytes);
        crs_[crCount_++] = static_cast<std::uint32_t>(at);
    }
}

// The first CR at or after the reader's place in the buffer, or null.
const char *LineReader::nextCR()
{
    while (nextCr_ < crCount_ && crs_[nextCr_] < pos_)
        ++nextCr_;
    return nextCr_ < crCount_ ? buffer_.get() + crs_[nextCr_] : nullptr;
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
