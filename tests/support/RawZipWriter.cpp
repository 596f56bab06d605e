#include "RawZipWriter.h"

#include "Codecs.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

std::string LittleEndian16(uint16_t value) { return {char(value & 0xFF), char(value >> 8)}; }

std::string LittleEndian32(uint32_t value) { return LittleEndian16(value & 0xFFFF) + LittleEndian16(value >> 16); }

std::string LittleEndian64(uint64_t value)
{
    return LittleEndian32(uint32_t(value)) + LittleEndian32(uint32_t(value >> 32));
}

RawEntry StoredEntry(const std::string &name, const std::string &contents)
{
    return RawEntry{.name = name, .method = 0, .data = contents, .plain = contents};
}

RawEntry CompressedEntry(const std::string &name, uint16_t method, const std::string &contents)
{
    RawEntry entry{.name = name, .method = method, .plain = contents};
    switch (method) {
    case 0: entry.data = contents; break;
    case 8: entry.data = DeflateRaw(contents); break;
    case 12: entry.data = Bzip2Compress(contents); break;
    case 14:
        entry.data = LzmaZipCompress(contents);
        entry.flags |= 2;
        break;
    case 93: entry.data = ZstdCompress(contents); break;
    case 95: entry.data = XzCompress(contents); break;
    default: throw std::runtime_error("CompressedEntry: no compressor for method " + std::to_string(method));
    }
    return entry;
}

namespace {

struct Keys {
    uint32_t k0 = 0x12345678, k1 = 0x23456789, k2 = 0x34567890;
    void update(uint8_t byte)
    {
        k0 = crc32Byte(k0, byte);
        k1 = (k1 + (k0 & 0xFF)) * 134775813u + 1;
        k2 = crc32Byte(k2, uint8_t(k1 >> 24));
    }
    uint8_t stream() const
    {
        uint16_t temp = uint16_t(k2 | 2);
        return uint8_t((uint32_t(temp) * (temp ^ 1u)) >> 8); // unsigned: the product overflows int
    }
    static uint32_t crc32Byte(uint32_t crc, uint8_t byte)
    {
        crc ^= byte;
        for (int i = 0; i < 8; ++i)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
        return crc;
    }
};

} // namespace

std::string ZipCryptoEncrypt(std::string &data, const std::string &password, uint8_t checkByte)
{
    Keys keys;
    for (char c : password)
        keys.update(uint8_t(c));
    std::mt19937 random(12345);
    std::string header(12, '\0');
    for (int i = 0; i < 11; ++i)
        header[i] = char(random());
    header[11] = char(checkByte);
    auto encrypt = [&](std::string &bytes) {
        for (char &c : bytes) {
            uint8_t plain = uint8_t(c);
            c = char(plain ^ keys.stream());
            keys.update(plain);
        }
    };
    encrypt(header);
    encrypt(data);
    return header;
}

std::string UnicodePathExtra(const std::string &centralName, const std::string &utf8Name)
{
    std::string body = std::string(1, '\1') + LittleEndian32(Crc32Of(centralName)) + utf8Name;
    return LittleEndian16(0x7075) + LittleEndian16(uint16_t(body.size())) + body;
}

std::string BuildRawZip(const RawZip &zip)
{
    std::string out = zip.prefix;
    std::string central;
    std::vector<uint64_t> localOffsets;
    bool anyZip64 = zip.zip64;

    for (const RawEntry &entry : zip.entries) {
        uint32_t crc = entry.crc.value_or(Crc32Of(entry.plain));
        uint64_t size = entry.size.value_or(entry.plain.size());
        std::string payload = entry.data;
        uint16_t flags = entry.flags;
        if (entry.dataDescriptor)
            flags |= 8;
        if (!entry.zipCryptoPassword.empty()) {
            flags |= 1;
            uint8_t check = entry.dataDescriptor ? uint8_t(entry.dosTime >> 8) : uint8_t(crc >> 24);
            payload = ZipCryptoEncrypt(payload, entry.zipCryptoPassword, check) + payload;
        }
        uint64_t packed = entry.compressedSize.value_or(payload.size());
        uint64_t offset = out.size(); // absolute, as self-extractors adjust them
        if (entry.sameDataAs) {
            offset = localOffsets.at(*entry.sameDataAs);
        } else {
            bool big = packed >= 0xFFFFFFFFu || size >= 0xFFFFFFFFu || zip.zip64;
            std::string extra = entry.localExtra;
            if (big)
                extra += LittleEndian16(1) + LittleEndian16(16) + LittleEndian64(entry.dataDescriptor ? 0 : size)
                    + LittleEndian64(entry.dataDescriptor ? 0 : packed);
            const std::string &name = entry.localName ? *entry.localName : entry.name;
            out += LittleEndian32(0x04034b50) + LittleEndian16(big ? 45 : 20) + LittleEndian16(flags)
                + LittleEndian16(entry.method) + LittleEndian16(entry.dosTime) + LittleEndian16(entry.dosDate)
                + LittleEndian32(entry.dataDescriptor ? 0 : crc)
                + LittleEndian32(big                        ? 0xFFFFFFFFu
                                     : entry.dataDescriptor ? 0
                                                            : uint32_t(packed))
                + LittleEndian32(big                        ? 0xFFFFFFFFu
                                     : entry.dataDescriptor ? 0
                                                            : uint32_t(size))
                + LittleEndian16(uint16_t(name.size())) + LittleEndian16(uint16_t(extra.size())) + name + extra
                + payload;
            if (entry.dataDescriptor) {
                out += LittleEndian32(0x08074b50) + LittleEndian32(crc);
                out += big ? LittleEndian64(packed) + LittleEndian64(size)
                           : LittleEndian32(uint32_t(packed)) + LittleEndian32(uint32_t(size));
            }
        }
        localOffsets.push_back(offset);

        bool big = packed >= 0xFFFFFFFFu || size >= 0xFFFFFFFFu || offset >= 0xFFFFFFFFu || zip.zip64;
        anyZip64 = anyZip64 || big;
        std::string extra = entry.centralExtra;
        if (big)
            extra += LittleEndian16(1) + LittleEndian16(24) + LittleEndian64(size) + LittleEndian64(packed)
                + LittleEndian64(offset);
        central += LittleEndian32(0x02014b50) + LittleEndian16(entry.madeBy) + LittleEndian16(big ? 45 : 20)
            + LittleEndian16(flags) + LittleEndian16(entry.method) + LittleEndian16(entry.dosTime)
            + LittleEndian16(entry.dosDate) + LittleEndian32(crc) + LittleEndian32(big ? 0xFFFFFFFFu : uint32_t(packed))
            + LittleEndian32(big ? 0xFFFFFFFFu : uint32_t(size)) + LittleEndian16(uint16_t(entry.name.size()))
            + LittleEndian16(uint16_t(extra.size())) + LittleEndian16(0) + LittleEndian16(0) + LittleEndian16(0)
            + LittleEndian32(entry.externalAttributes) + LittleEndian32(big ? 0xFFFFFFFFu : uint32_t(offset))
            + entry.name + extra;
    }

    uint64_t centralOffset = out.size();
    uint64_t count = zip.entries.size();
    out += central;
    if (anyZip64) {
        uint64_t recordOffset = out.size();
        out += LittleEndian32(0x06064b50) + LittleEndian64(44) + LittleEndian16(45) + LittleEndian16(45)
            + LittleEndian32(0) + LittleEndian32(0) + LittleEndian64(count) + LittleEndian64(count)
            + LittleEndian64(central.size()) + LittleEndian64(centralOffset);
        out += LittleEndian32(0x07064b50) + LittleEndian32(0) + LittleEndian64(recordOffset) + LittleEndian32(1);
    }
    out += LittleEndian32(0x06054b50) + LittleEndian16(0) + LittleEndian16(0)
        + LittleEndian16(anyZip64 ? 0xFFFF : uint16_t(count)) + LittleEndian16(anyZip64 ? 0xFFFF : uint16_t(count))
        + LittleEndian32(anyZip64 ? 0xFFFFFFFFu : uint32_t(central.size()))
        + LittleEndian32(anyZip64 ? 0xFFFFFFFFu : uint32_t(centralOffset))
        + LittleEndian16(uint16_t(zip.comment.size())) + zip.comment;
    return out;
}

void WriteRawZip(const std::filesystem::path &file, const RawZip &zip)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << BuildRawZip(zip);
    if (!out)
        throw std::runtime_error("WriteRawZip: cannot write " + file.string());
}

void WriteSparseZeroZip(const std::filesystem::path &file, const std::string &name, uint32_t size)
{
    RawEntry entry = StoredEntry(name, "");
    entry.size = entry.compressedSize = size;
    const std::string zeros(1 << 20, '\0');
    uint32_t crc = 0;
    for (uint32_t left = size; left > 0;) {
        const uint32_t chunk = std::min<uint32_t>(left, uint32_t(zeros.size()));
        crc = uint32_t(crc32(crc, reinterpret_cast<const Bytef *>(zeros.data()), chunk));
        left -= chunk;
    }
    entry.crc = crc;
    // Laid out as if the data were empty, then the data's room let in after
    // the local header and the central directory's offset moved past it.
    std::string bytes = BuildRawZip({.entries = {entry}});
    const size_t central = bytes.find(std::string("PK\1\2"));
    const size_t end = bytes.rfind(std::string("PK\5\6"));
    bytes.replace(end + 16, 4, LittleEndian32(uint32_t(central + size)));
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(central));
    out.seekp(std::streamoff(central + size));
    out.write(bytes.data() + central, std::streamsize(bytes.size() - central));
    if (!out)
        throw std::runtime_error("WriteSparseZeroZip: cannot write " + file.string());
}

void ZeroCrcFields(const std::filesystem::path &file)
{
    std::string bytes;
    {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    auto u16 = [&](size_t at) { return size_t(uint8_t(bytes[at])) | size_t(uint8_t(bytes[at + 1])) << 8; };
    // Offsets as a plain writer lays them out: walk the central directory and
    // the local header each entry names.
    size_t end = bytes.rfind(std::string("PK\5\6"));
    if (end == std::string::npos)
        throw std::runtime_error("ZeroCrcFields: no end record");
    auto u32 = [&](size_t at) { return uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16; };
    size_t at = u32(end + 16);
    for (size_t i = 0, n = u16(end + 10); i < n; ++i) {
        bytes.replace(at + 16, 4, 4, '\0');
        size_t local = u32(at + 42);
        bytes.replace(local + 14, 4, 4, '\0');
        at += 46 + u16(at + 28) + u16(at + 30) + u16(at + 32);
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}
