// Decoding one entry's stored stream into its contents, for every method we
// support, with the size and CRC checks that make a result trustworthy.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

struct libdeflate_decompressor;
struct inflate_state;

namespace unzip32::ppmd {
class Model;
}

namespace unzip32 {

class Deflate64Decoder;

// The entry's stored bytes (already decrypted).
class Source {
public:
    virtual ~Source() = default;
    // Bytes read, 0 at the end, -1 on failure (reason in error()).
    virtual ssize_t read(void *buffer, size_t length) = 0;
    virtual std::string error() const = 0;
    // All the bytes left and their number, when they are in memory already
    // (null otherwise, and nothing is taken); taking them ends the stream.
    virtual const uint8_t *view(uint64_t &length)
    {
        length = 0;
        return nullptr;
    }
};

// Where decoded bytes go: a file, or nowhere when testing.
class Output {
public:
    virtual ~Output() = default;
    virtual bool write(const uint8_t *data, size_t length) = 0;
};

enum class DecodeStatus {
    Ok,
    Unsupported,
    Corrupt,  // the stream is not valid for its method
    TooLong,  // decodes to more than the declared size
    TooShort, // decodes to less than the declared size
    BadCrc,
    ReadFailed, // the archive could not be read (see the source's error)
    WriteFailed,
    Cancelled,
    NeedsTooMuchMemory,
    PpmdModelTooLarge, // the entry's PPMd model would take more memory than we give one
};

std::string DescribeStatus(DecodeStatus status);

// The plain name of a method, for listings and messages.
std::string MethodName(uint16_t method);
bool MethodSupported(uint16_t method);

// Buffers and codec states a worker keeps from one entry to the next.
struct DecoderContext {
    DecoderContext();
    ~DecoderContext();
    DecoderContext(const DecoderContext &) = delete;
    DecoderContext &operator=(const DecoderContext &) = delete;

    std::vector<uint8_t> in, out;   // out: a whole entry decoded in one piece
    std::vector<uint8_t> chunks[2]; // a streamed entry's output, taking turns
    libdeflate_decompressor *deflater = nullptr;
    std::unique_ptr<inflate_state> isal;
    std::unique_ptr<Deflate64Decoder> deflate64; // its tables and window, kept for the next entry
    std::unique_ptr<ppmd::Model> ppmd;           // its block is kept for the next entry of the same model size
};

// Told how far a large entry's decoding has got: after each kChunk bytes of
// contents, on the thread that decodes.
class DecodeProgress {
public:
    virtual ~DecodeProgress() = default;
    virtual void decoded(uint64_t bytes) = 0; // contents decoded so far
};

struct DecodeRequest {
    uint16_t method = 0;
    uint16_t flags = 0;
    uint64_t packedSize = 0; // as declared (an upper bound for the bytes the source gives)
    uint64_t size = 0;       // as declared
    uint32_t crc = 0;
    bool checkCrc = true;
    const std::atomic<bool> *cancel = nullptr;
    DecodeProgress *progress = nullptr;
    // Called now and then, on the decoder's thread, while it waits for
    // memory that other decoders hold (DecoderMemory.h).
    std::function<void()> waiting;
};

// Entries up to this size are decoded in one piece; larger ones are streamed.
constexpr uint64_t kWholeEntryLimit = 8u << 20;
constexpr size_t kChunk = 1u << 20;

DecodeStatus DecodeEntry(const DecodeRequest &request, Source &source, Output *output, DecoderContext &context);

} // namespace unzip32
