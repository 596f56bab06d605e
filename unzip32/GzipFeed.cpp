#include "GzipFeed.h"

#include <archive.h>
#include <isa-l/igzip_lib.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace unzip32 {

namespace {

constexpr size_t kInBlock = 256 * 1024;
constexpr size_t kOutBlock = 1024 * 1024;

} // namespace

std::unique_ptr<GzipFeed> GzipFeed::Open(const std::string &path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    uint8_t head[3] = {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::pread(fd, head, sizeof head, 0) != ssize_t(sizeof head)
        || head[0] != 0x1F || head[1] != 0x8B || head[2] != 8) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<GzipFeed>(new GzipFeed(fd));
}

GzipFeed::GzipFeed(int fd) : m_fd(fd), m_state(std::make_unique<inflate_state>()), m_in(kInBlock), m_out(kOutBlock)
{
    isal_inflate_init(m_state.get());
    m_state->crc_flag = ISAL_GZIP; // the header parsed, the CRC-32 and length of each member checked
}

GzipFeed::~GzipFeed() { ::close(m_fd); }

ssize_t GzipFeed::Read(archive *reader, void *self, const void **block)
{
    return static_cast<GzipFeed *>(self)->next(reader, block);
}

ssize_t GzipFeed::fail(archive *reader, const std::string &why)
{
    archive_set_error(reader, EILSEQ, "%s", why.c_str());
    m_done = true;
    return ARCHIVE_FATAL;
}

bool GzipFeed::refill()
{
    ssize_t got;
    do
        got = ::read(m_fd, m_in.data(), m_in.size());
    while (got < 0 && errno == EINTR);
    if (got < 0)
        return false;
    m_eof = got == 0;
    m_read += uint64_t(got);
    m_state->next_in = m_in.data();
    m_state->avail_in = uint32_t(got);
    return true;
}

ssize_t GzipFeed::next(archive *reader, const void **block)
{
    inflate_state &state = *m_state;
    while (!m_done) {
        if (state.avail_in == 0 && !m_eof && !refill())
            return fail(reader, std::string("gzip: cannot be read: ") + std::strerror(errno));
        if (state.block_state == ISAL_BLOCK_FINISH) {
            // Another member may follow, as `cat a.gz b.gz` makes; anything
            // else after a whole member is padding, as gzip itself takes it.
            if (state.avail_in == 0 && m_eof)
                break;
            if (state.avail_in == 0)
                continue;
            if (state.next_in[0] != 0x1F)
                break;
            uint8_t *in = state.next_in;
            const uint32_t left = state.avail_in;
            isal_inflate_reset(&state);
            state.crc_flag = ISAL_GZIP;
            state.next_in = in;
            state.avail_in = left;
        }
        state.next_out = m_out.data();
        state.avail_out = uint32_t(m_out.size());
        const int rc = isal_inflate(&state);
        if (rc == ISAL_INCORRECT_CHECKSUM)
            return fail(reader, "damaged gzip: its CRC-32 or length does not match its contents");
        if (rc < 0)
            return fail(reader, "damaged gzip: its compressed data is broken");
        const size_t produced = m_out.size() - state.avail_out;
        if (produced > 0) {
            *block = m_out.data();
            return ssize_t(produced);
        }
        if (m_eof && state.avail_in == 0 && state.block_state != ISAL_BLOCK_FINISH)
            return fail(reader, "damaged gzip: it is cut short");
    }
    m_done = true;
    return 0;
}

} // namespace unzip32
