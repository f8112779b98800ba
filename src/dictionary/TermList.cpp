#include "dictionary/TermList.h"

namespace zelvora {

namespace {

constexpr std::size_t BlockSize = 16;
constexpr unsigned char MoreLengthBytes = 0x80;

// A length takes seven bits a byte, the lowest first; every byte but the last has its high bit set.
void appendLength(std::string &bytes, std::size_t length)
{
    for (; length >= MoreLengthBytes; length >>= 7)
        bytes += static_cast<char>(MoreLengthBytes | (length & 0x7F));
    bytes += static_cast<char>(length);
}

// The term that begins at `at`.
std::string_view termAt(const char *at)
{
    std::size_t length = 0;
    unsigned shift = 0;
    unsigned char byte;
    do {
        byte = static_cast<unsigned char>(*at++);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        shift += 7;
    } while (byte & MoreLengthBytes);
    return {at, length};
}

const char *pastTerm(const char *at)
{
    const std::string_view term = termAt(at);
    return term.data() + term.size();
}

} // namespace

std::string_view TermList::const_iterator::operator*() const
{
    return termAt(at_);
}

TermList::const_iterator &TermList::const_iterator::operator++()
{
    at_ = pastTerm(at_);
    return *this;
}

TermList::const_iterator TermList::const_iterator::operator++(int)
{
    const const_iterator before = *this;
    ++*this;
    return before;
}

TermList::TermList(const std::vector<std::string> &terms)
{
    for (const std::string &term : terms)
        push_back(term);
    shrinkToFit();
}

std::string_view TermList::operator[](std::size_t index) const
{
    const char *at = bytes_.data() + blockStarts_[index / BlockSize];
    for (std::size_t skipped = index % BlockSize; skipped > 0; --skipped)
        at = pastTerm(at);
    return termAt(at);
}

std::string_view TermList::back() const
{
    return termAt(bytes_.data() + backStart_);
}

void TermList::push_back(std::string_view term)
{
    backStart_ = bytes_.size();
    if (size_ % BlockSize == 0)
        blockStarts_.push_back(backStart_);
    appendLength(bytes_, term.size());
    bytes_ += term;
    ++size_;
}

void TermList::shrinkToFit()
{
    bytes_.shrink_to_fit();
    blockStarts_.shrink_to_fit();
}

std::size_t TermList::memoryBytes() const
{
    return sizeof(*this) + bytes_.capacity() + blockStarts_.capacity() * sizeof(std::size_t);
}

} // namespace zelvora
