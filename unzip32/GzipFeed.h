// A gzip file inflated by the engine's own decoder (ISA-L, as for a ZIP's
// deflate) and handed to libarchive as an uncompressed stream: libarchive's
// gzip filter, over zlib, takes several times as long for a .tar.gz.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

struct archive;
struct inflate_state;

namespace unzip32 {

class GzipFeed {
public:
    // Null when `path` is no regular file that begins as a gzip member.
    static std::unique_ptr<GzipFeed> Open(const std::string &path);
    ~GzipFeed();
    GzipFeed(const GzipFeed &) = delete;
    GzipFeed &operator=(const GzipFeed &) = delete;

    // libarchive's read callback: the next block of inflated bytes.
    static ssize_t Read(archive *reader, void *self, const void **block);
    // The gzip file's bytes read so far.
    uint64_t bytesRead() const { return m_read; }

private:
    explicit GzipFeed(int fd);
    ssize_t next(archive *reader, const void **block);
    bool refill();
    ssize_t fail(archive *reader, const std::string &why);

    int m_fd;
    std::unique_ptr<inflate_state> m_state;
    std::vector<uint8_t> m_in, m_out; // bounded: a block of each, whatever the file's size
    uint64_t m_read = 0;
    bool m_eof = false;
    bool m_done = false;
};

} // namespace unzip32
