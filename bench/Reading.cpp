#include "Reading.h"

#include "dictionary/LineReader.h"

#include <fcntl.h>
#include <unistd.h>

namespace zelvora::bench {

std::size_t readWithPlainRead(const std::string &path, std::vector<char> &buffer)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::size_t total = 0;
    for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;)
        total += static_cast<std::size_t>(n);
    ::close(fd);
    return total;
}

std::size_t readEveryLine(const std::string &path)
{
    LineReader reader(path);
    std::size_t total = 0;
    while (!reader.atEnd())
        total += reader.readLineView().size();
    return total;
}

} // namespace zelvora::bench
