#include "dictionary/LineReader.h"

#include "dictionary/FileError.h"

#include <algorithm>
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
    }
}

template <typename Sink> void LineReader::scanLine(Sink &&sink)
{
    while (pos_ < end_) {
        const char *start = buffer_.get() + pos_;
        const std::size_t available = end_ - pos_;
        const auto *cr = static_cast<const char *>(std::memchr(start, CR, available));
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
    const auto *cr = static_cast<const char *>(std::memchr(start, CR, end_ - pos_));
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
    scanLine([](const char *, std::size_t) {});
}

} // namespace zelvora
