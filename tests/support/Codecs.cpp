#include "Codecs.h"

#include <bzlib.h>
#include <lzma.h>
#include <zlib.h>
#include <zstd.h>

#include <stdexcept>

uint32_t Crc32Of(const std::string &data)
{
    return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef *>(data.data()), data.size()));
}

std::string DeflateRaw(const std::string &data)
{
    z_stream z{};
    if (deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&z, data.size()) + 16, '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    z.avail_in = data.size();
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = out.size();
    int rc = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    if (rc != Z_STREAM_END)
        throw std::runtime_error("deflate");
    return out;
}

std::string Bzip2Compress(const std::string &data)
{
    unsigned int size = data.size() + data.size() / 100 + 600;
    std::string out(size, '\0');
    if (BZ2_bzBuffToBuffCompress(out.data(), &size, const_cast<char *>(data.data()), data.size(), 9, 0, 0) != BZ_OK)
        throw std::runtime_error("bzip2");
    out.resize(size);
    return out;
}

static std::string runLzma(lzma_stream &strm, const std::string &data)
{
    std::string out;
    char buffer[65536];
    strm.next_in = reinterpret_cast<const uint8_t *>(data.data());
    strm.avail_in = data.size();
    lzma_ret rc;
    do {
        strm.next_out = reinterpret_cast<uint8_t *>(buffer);
        strm.avail_out = sizeof buffer;
        rc = lzma_code(&strm, LZMA_FINISH);
        out.append(buffer, sizeof buffer - strm.avail_out);
    } while (rc == LZMA_OK);
    lzma_end(&strm);
    if (rc != LZMA_STREAM_END)
        throw std::runtime_error("lzma");
    return out;
}

std::string LzmaZipCompress(const std::string &data)
{
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 1); // quick: the tests decode, they do not measure ratios
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    uint8_t properties[5];
    if (lzma_properties_encode(&filters[0], properties) != LZMA_OK)
        throw std::runtime_error("lzma properties");
    lzma_stream strm = LZMA_STREAM_INIT;
    if (lzma_raw_encoder(&strm, filters) != LZMA_OK)
        throw std::runtime_error("lzma encoder");
    std::string header = {char(5), char(4), char(5), char(0)};
    header.append(reinterpret_cast<const char *>(properties), 5);
    return header + runLzma(strm, data);
}

std::string XzCompress(const std::string &data)
{
    lzma_stream strm = LZMA_STREAM_INIT;
    if (lzma_easy_encoder(&strm, 1, LZMA_CHECK_CRC64) != LZMA_OK)
        throw std::runtime_error("xz encoder");
    return runLzma(strm, data);
}

std::string ZstdCompress(const std::string &data)
{
    std::string out(ZSTD_compressBound(data.size()), '\0');
    size_t size = ZSTD_compress(out.data(), out.size(), data.data(), data.size(), 3);
    if (ZSTD_isError(size))
        throw std::runtime_error("zstd");
    out.resize(size);
    return out;
}
