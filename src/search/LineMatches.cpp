#include "search/LineMatches.h"

#include "dictionary/FileError.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <fcntl.h>
#include <unistd.h>

namespace zelvora {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char CtrlZ = '\x1A';

// Bytes looked at in one step of the scans.
constexpr std::size_t Block = 64;

// The number of CR bytes in [begin, end), in steps the compiler can vectorise.
std::size_t countLineEnds(const char *begin, const char *end)
{
    std::size_t count = 0;
    for (; static_cast<std::size_t>(end - begin) >= Block; begin += Block) {
        unsigned inBlock = 0;
        for (std::size_t i = 0; i < Block; ++i)
            inBlock += begin[i] == CR;
        count += inBlock;
    }
    for (; begin < end; ++begin)
        count += *begin == CR;
    return count;
}

const char *lastLineEnd(const char *begin, const char *end)
{
    return static_cast<const char *>(::memrchr(begin, CR, static_cast<std::size_t>(end - begin)));
}

} // namespace

LineMatches::LineMatches(const std::string &path, std::string_view text, const EntryProgress &progress,
                         std::size_t bufferSize)
    : path_(path), text_(text), progress_(progress), capacity_(std::max<std::size_t>(bufferSize, 1))
{
    buffer_.reset(static_cast<char *>(std::malloc(capacity_)));
    if (!buffer_)
        throw std::bad_alloc();
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw FileError::fromErrno(path);
    // No line holds a CR: the text is nowhere.
    eof_ = text_.empty() || text_.find(CR) != std::string::npos;
}

LineMatches::~LineMatches()
{
    ::close(fd_);
}

void LineMatches::FreeBytes::operator()(char *bytes) const
{
    std::free(bytes);
}

// The first place in [from, to) where the whole text lies before `to`, or
// `to` when there is none; adds the CRs before that place to `lineEnds`. A
// block where no place has both the text's first and last byte is passed over
// in one step, which the compiler can vectorise, counting its CRs.
std::size_t LineMatches::find(std::size_t from, std::size_t to, std::size_t &lineEnds) const
{
    const char *data = buffer_.get();
    const std::size_t lastOffset = text_.size() - 1;
    const char first = text_.front();
    const char last = text_.back();
    const auto matchesAt = [&](std::size_t at) {
        return data[at] == first && data[at + lastOffset] == last &&
               std::memcmp(data + at, text_.data(), text_.size()) == 0;
    };
    // Every place before `starts` has room for the text before `to`.
    const std::size_t starts = to - from > lastOffset ? to - lastOffset : from;
    std::size_t at = from;
    for (; starts - at >= Block; at += Block) {
        unsigned char candidates = 0;
        unsigned char crs = 0;
        for (std::size_t i = 0; i < Block; ++i) {
            candidates |= static_cast<unsigned char>((data[at + i] == first) & (data[at + i + lastOffset] == last));
            crs += data[at + i] == CR;
        }
        if (candidates)
            break;
        lineEnds += crs;
    }
    for (; at < starts; ++at) {
        if (matchesAt(at))
            return at;
        lineEnds += data[at] == CR;
    }
    lineEnds += countLineEnds(data + at, data + to);
    return to;
}

// The start of the line that holds `position`: after the CR before it, and
// after the LF that goes with that CR; 0 when no CR comes before it.
std::size_t LineMatches::lineStartBefore(std::size_t position) const
{
    const char *data = buffer_.get();
    const char *cr = lastLineEnd(data, data + position);
    if (!cr)
        return 0;
    const std::size_t start = static_cast<std::size_t>(cr - data) + 1;
    return start < position && data[start] == LF ? start + 1 : start;
}

bool LineMatches::next(LineMatch &match)
{
    const char *data = buffer_.get();
    for (;;) {
        if (scan_ == complete_) {
            if (eof_ && complete_ == filled_)
                return false;
            refill();
            data = buffer_.get();
            continue;
        }
        const std::size_t at = find(scan_, complete_, lines_);
        scan_ = at;
        if (at == complete_)
            continue;
        // A text that begins with a LF may sit on the LF of a line end, which is in no line.
        if (data[at] == LF && at > 0 && data[at - 1] == CR) {
            ++scan_;
            continue;
        }
        const std::size_t start = lineStartBefore(at);
        const auto *cr = static_cast<const char *>(std::memchr(data + at, CR, complete_ - at));
        const std::size_t end = cr ? static_cast<std::size_t>(cr - data) : complete_;
        match.inDefinition = lines_ % 2 == 1;
        if (match.inDefinition) {
            // The term line ends at the CR before the definition line.
            const std::size_t termEnd = static_cast<std::size_t>(lastLineEnd(data, data + start) - data);
            const std::size_t termStart = lineStartBefore(termEnd);
            match.term = std::string_view(data + termStart, termEnd - termStart);
        } else {
            match.term = std::string_view(data + start, end - start);
        }
        // The search goes on after this line's CR: its other matches are the same match.
        lines_ += cr ? 1 : 0;
        scan_ = cr ? end + 1 : complete_;
        return true;
    }
}

// Keeps the entry the search is in, from its term line on, at the start of
// the buffer, reads more after it, and finds where its whole lines end.
void LineMatches::refill()
{
    char *data = buffer_.get();
    std::size_t keep = scan_;
    if (lines_ % 2 == 1) // the term line before scan_ is passed, not dropped
        keep = lineStartBefore(static_cast<std::size_t>(lastLineEnd(data, data + scan_) - data));
    std::memmove(data, data + keep, filled_ - keep);
    filled_ -= keep;
    scan_ -= keep;
    complete_ -= keep;
    if (filled_ == capacity_ || capacity_ - filled_ < capacity_ / 2) {
        char *grown = static_cast<char *>(std::realloc(buffer_.get(), 2 * capacity_));
        if (!grown)
            throw std::bad_alloc();
        static_cast<void>(buffer_.release());
        buffer_.reset(grown);
        capacity_ *= 2;
        data = grown;
    }

    ssize_t n;
    do
        n = ::read(fd_, data + filled_, capacity_ - filled_);
    while (n < 0 && errno == EINTR);
    if (n < 0)
        throw FileError::fromErrno(path_);
    const auto *ctrlZ = static_cast<const char *>(std::memchr(data + filled_, CtrlZ, static_cast<std::size_t>(n)));
    // A Ctrl+Z ends the file: nothing after it is ever read.
    filled_ = ctrlZ ? static_cast<std::size_t>(ctrlZ - data) : filled_ + static_cast<std::size_t>(n);
    eof_ = n == 0 || ctrlZ;
    if (progress_)
        progress_(lines_ / 2);

    if (eof_) {
        complete_ = filled_;
        return;
    }
    // A CR at the very end of what was read may yet have its LF to come.
    if (const char *cr = lastLineEnd(data + complete_, data + filled_ - 1)) {
        const std::size_t after = static_cast<std::size_t>(cr - data) + 1;
        complete_ = data[after] == LF ? after + 1 : after;
    }
}

} // namespace zelvora
