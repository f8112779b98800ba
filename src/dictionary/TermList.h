#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora {

// A dictionary's terms in file order, held in one buffer: each term is its
// length (one byte for a term shorter than 128 bytes) followed by its bytes.
// Walking the terms in order costs a step each; a term by its place is found
// from the start of its block of 16.
class TermList {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view *;
        using reference = std::string_view;

        const_iterator() = default;
        std::string_view operator*() const;
        const_iterator &operator++();
        const_iterator operator++(int);
        bool operator==(const const_iterator &) const = default;

    private:
        friend class TermList;
        explicit const_iterator(const char *at) : at_(at) {}
        const char *at_ = nullptr;
    };

    TermList() = default;
    // Any list of terms, in its order (so that a plain list can stand where a TermList is asked for).
    TermList(const std::vector<std::string> &terms);

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // The term at a place below size().
    std::string_view operator[](std::size_t index) const;
    // The last term of a list that is not empty.
    std::string_view back() const;
    const_iterator begin() const { return const_iterator(bytes_.data()); }
    const_iterator end() const { return const_iterator(bytes_.data() + bytes_.size()); }

    void push_back(std::string_view term);
    // Gives back the room the buffer grew into and does not use.
    void shrinkToFit();
    // The bytes the list takes in memory.
    std::size_t memoryBytes() const;

private:
    std::string bytes_;
    std::vector<std::size_t> blockStarts_; // where each block of terms begins in bytes_
    std::size_t size_ = 0;
    std::size_t backStart_ = 0;
};

} // namespace zelvora
