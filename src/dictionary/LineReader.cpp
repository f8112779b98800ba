#include "dictionary/LineReader.h"

#include "dictionary/FileError.h"

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
    : path_(path), buffer_(bufferSize > 0 ? bufferSize : 1)
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
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError::fromErrno(path_);
        }
        pos_ = 0;
        end_ = static_cast<std::size_t>(n);
        eof_ = n == 0;
        return !eof_;
    }
}

bool LineReader::atEnd()
{
    return !fill() || buffer_[pos_] == CtrlZ;
}

template <typename Sink> void LineReader::scanLine(Sink &&sink)
{
    while (fill()) {
        const char *start = buffer_.data() + pos_;
        const std::size_t available = end_ - pos_;
        const char *stop = start;
        const char *const limit = start + available;
        while (stop != limit && *stop != CR && *stop != CtrlZ)
            ++stop;
        sink(start, static_cast<std::size_t>(stop - start));
        pos_ += static_cast<std::size_t>(stop - start);
        if (stop == limit)
            continue;
        if (*stop == CtrlZ)
            return;
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

void LineReader::skipLine()
{
    scanLine([](const char *, std::size_t) {});
}

} // namespace zelvora
