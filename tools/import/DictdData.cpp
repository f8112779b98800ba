#include "import/DictdData.h"

#include "import/ImportError.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>

namespace zelvora::dictd {

std::string readWholeFile(const std::string &path)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        throw ImportError(path, std::string("cannot open: ") + std::strerror(errno));
    std::string bytes;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, got);
    if (std::ferror(file.get()))
        throw ImportError(path, std::string("cannot read: ") + std::strerror(errno));
    return bytes;
}

std::string gunzip(std::string_view compressed, const std::string &path)
{
    if (compressed.size() < 2 || static_cast<unsigned char>(compressed[0]) != 0x1F ||
        static_cast<unsigned char>(compressed[1]) != 0x8B)
        throw ImportError(path, "not gzip or dictzip data");

    z_stream stream{};
    if (inflateInit2(&stream, 15 + 16) != Z_OK) // 16: a gzip wrapper, its CRC checked
        throw ImportError(path, "cannot start decompressing");
    std::unique_ptr<z_stream, int (*)(z_stream *)> guard(&stream, &inflateEnd);

    const auto *data = reinterpret_cast<const Bytef *>(compressed.data());
    std::size_t fed = 0; // bytes handed to zlib so far
    std::string text;
    char buffer[1 << 16];
    for (;;) {
        if (stream.avail_in == 0 && fed < compressed.size()) {
            const std::size_t chunk = std::min<std::size_t>(compressed.size() - fed, UINT_MAX);
            stream.next_in = const_cast<Bytef *>(data + fed);
            stream.avail_in = static_cast<uInt>(chunk);
            fed += chunk;
        }
        stream.next_out = reinterpret_cast<Bytef *>(buffer);
        stream.avail_out = sizeof buffer;
        const int status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
            throw ImportError(path, std::string("damaged compressed data (") +
                                        (stream.msg ? stream.msg : "zlib error") + ")");
        text.append(buffer, sizeof buffer - stream.avail_out);
        if (status == Z_STREAM_END) {
            // Another gzip member may follow; zero padding ends the data.
            const std::size_t used = static_cast<std::size_t>(stream.next_in - data);
            if (compressed.find_first_not_of('\0', used) == std::string_view::npos)
                return text;
            inflateReset(&stream);
            continue;
        }
        if (stream.avail_in == 0 && fed == compressed.size() && stream.avail_out != 0)
            break; // zlib wants more input and there is none
    }
    throw ImportError(path, "truncated compressed data");
}

std::string readDictData(const std::string &path)
{
    std::string bytes = readWholeFile(path);
    if (path.size() > 3 && path.compare(path.size() - 3, 3, ".dz") == 0)
        return gunzip(bytes, path);
    return bytes;
}

} // namespace zelvora::dictd
