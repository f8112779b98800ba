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
}

LineReader::~LineReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool LineReader::fill()
{
    if (pos_ < end_)
        return true;
    if (eof_)
        return false;
    for (;;) {
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
        return pos_ < end_;
    }
}

bool LineReader::atEnd()
{
    return !fill();
}

template <typename Sink> void LineReader::scanLine(Sink &&sink)
{
    while (fill()) {
        const char *start = buffer_.get() + pos_;
        const std::size_t available = end_ - pos_;
        const auto *cr = static_cast<const char *>(std::memchr(start, CR, available));
        const std::size_t length = cr ? static_cast<std::size_t>(cr - start) : available;
        sink(start, length);
        pos_ += length;
        if (!cr)
            continue;
        ++pos_; // the CR
        if (fill() && buffer_[pos_] == LF)
            ++pos_;
        return;
    }
}

std::string LineReader::readLine()
{
    std::string line;
    scanLine([&line](const char *bytes, std::size_t count) { line.append(bytes, count); });
    return line;
}

std::string_view LineReader::readLineView(std::string &spill)
{
    if (fill()) {
        const char *start = buffer_.get() + pos_;
        const auto *cr = static_cast<const char *>(std::memchr(start, CR, end_ - pos_));
        // The LF after the CR may only be checked here without refilling the buffer under the view.
        if (cr && cr + 1 < buffer_.get() + end_) {
            pos_ += static_cast<std::size_t>(cr - start) + 1;
            if (buffer_[pos_] == LF)
                ++pos_;
            return {start, static_cast<std::size_t>(cr - start)};
        }
    }
    spill = readLine();
    return spill;
}

void LineReader::skipLine()
{
    scanLine([](const char *, std::size_t) {});
}

} // namespace zelvora
